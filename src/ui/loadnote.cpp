#include "ui/loadnote.h"

#include "ui/tooltips.h"

#include <QToolTip>

namespace {

const QString NoteName = QStringLiteral("Load note:");

} // namespace

LoadNoteLabel::LoadNoteLabel(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(NoteName);
}

void LoadNoteLabel::ShowNote(const QString& summary, const QString& details)
{
    setText(fontMetrics().elidedText(summary, Qt::ElideRight, width() - 2 * margin()));
    setToolTip(details);
    setAccessibleDescription(details);
    const QString name = summary.isEmpty() ? NoteName : NoteName + u' ' + summary;
    if (accessibleName() != name)
        setAccessibleName(name); // screen readers hear of the change
    if (summary.isEmpty() && hasFocus())
        nextInFocusChain()->setFocus(Qt::TabFocusReason);
    setFocusPolicy(summary.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
}

void LoadNoteLabel::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    QToolTip::showText(mapToGlobal(QPoint(0, 0)), WrappedToolTip(toolTip(), QFontMetrics(QToolTip::font())),
                       this);
}
