#include "ui/startup.h"

#include "catalogue/weaponsfile.h"
#include "ui/seams.h"

#include <QComboBox>

namespace {

std::unique_ptr<RunningEditor> StartEditor(const ProgramLocation& location, MessageBoxes& messages,
                                           ProgramEnd& end)
{
    auto editor = std::make_unique<RunningEditor>();

    const Result<AppSettings> settings = LoadSettings(location);
    for (const QString& message : settings.Messages())
        messages.Show(message);
    editor->Settings = *settings;

    Result<EquipmentCatalogue> catalogue = LoadWeaponsFile(editor->Settings, location);
    if (!catalogue) {
        messages.Show(catalogue.Reason());
        return nullptr;
    }
    editor->Catalogue = *std::move(catalogue);

    editor->Window =
        std::make_unique<Form1>(EditorContext{editor->Settings, editor->Catalogue, location, messages, end});
    Form1& window = *editor->Window;
    window.FillCatalogueGrid();
    window.show();
    window.FillClassList();
    window.DiscoverModels();
    window.ClearClass();
    window.ClassName->setFocus();
    return editor;
}

} // namespace

std::unique_ptr<RunningEditor> Main(const ProgramLocation& location, MessageBoxes& messages, ProgramEnd& end)
{
    // Start-up is guarded as every action of the window is: no exception ends the program without a word.
    try {
        return StartEditor(location, messages, end);
    } catch (const std::exception& failure) {
        messages.Show(UnexpectedFailureMessage(failure.what()));
        return nullptr;
    }
}
