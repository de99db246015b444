#pragma once

// The program's name on the task bar and in the launcher, and the caption of
// every error box. It is kept apart from the window caption: handed to Qt as
// the display name it would be appended to every window title.
inline constexpr char kApplicationTitle[] = "Расчет магнитоэлектрического преобразователя";

// The application-wide settings, made once after the QApplication is created
// and before the window: the C numeric locale, the style and palette every
// control is drawn with, the program's icon, and the names that tie its
// windows to the desktop entry.
void SetUpApplication();
