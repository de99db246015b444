#pragma once

class QString;
class QWidget;

// The application's error box: a modal message box over `parent` with the
// application title as caption, the critical icon, `text` and one OK button.
// Returns when the user has pressed OK.
void ShowErrorBox(QWidget* parent, const QString& text);
