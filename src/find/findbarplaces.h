#pragma once

class QBoxLayout;

// The two strips of the main window that the find-again bar lies in: one under the toolbar,
// one above the status bar. Lying in a strip, the bar never covers the toolbar or the text:
// the document area gives it room.
struct FindBarPlaces
{
    QBoxLayout *top = nullptr;
    QBoxLayout *bottom = nullptr;
};
