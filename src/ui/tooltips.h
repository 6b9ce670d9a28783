#pragma once

class QFontMetrics;
class QHelpEvent;
class QString;
class QWidget;

// A tool tip's text with line breaks that keep each of its lines within about sixty average characters of
// the metrics' font: every break replaces one blank, so putting the blanks back gives the text again. A
// text that fits, and rich text (which the tool tip wraps itself), come back as they are.
QString WrappedToolTip(const QString& text, const QFontMetrics& metrics);

// Shows the widget's tool tip, wrapped, where help points, as QWidget shows it unwrapped; help is then
// accepted. The widget's toolTip() keeps the text as given, for screen readers and tests. False when the
// widget has no tool tip.
bool ShowWrappedToolTip(QWidget* widget, QHelpEvent& help);
