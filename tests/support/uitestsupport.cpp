#include "support/uitestsupport.h"

#include <QLocale>
#include <QTest>

Form1* EditorGame::Start()
{
    QLocale::setDefault(QLocale::c()); // weights with "." unless a test says otherwise
    Editor = Main(Location(), *this, *this);
    if (!Editor)
        return nullptr;
    Form1* window = Editor->Window.get();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the window did not become active");
    return window;
}

std::unique_ptr<EditorGame> StartedStandardGame()
{
    auto game = std::make_unique<EditorGame>();
    game->WriteSettings({"[Application]", ModelsSetting});
    game->WriteWeapons(StandardItems());
    game->AddModel(u"trooper"_s, {"head people/trooper", "body people/trooper", "legs people/trooper"},
                   {"head_001.tga", "head_002.tga", "body_002.tga", "legs_003.tga"});
    game->WriteClass(u"Grenadier.cfg"_s, {"set class \"Grenadier\"", "set callsign \"Thunder\"",
                                          "set skin \"trooper/h01 b01 l01\"", "set proficiency8 explosives1",
                                          "set proficiency12 strength2", "set equipment1 lbv",
                                          "set equipment2 frag", "set equipment3 c4"});
    if (!game->Start())
        qWarning("the editor did not start");
    return game;
}
