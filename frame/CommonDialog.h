#pragma once
// A window's common-dialog control: file open and save, colour and printer
// dialogs. Its properties keep their values between uses, as the runtime's
// control does: a cancelled dialog leaves FileName and Color as they were.

#include <QString>
#include <cstdint>

class QPrinter;

class CommonDialog {
public:
    QString DialogTitle;
    QString FileName;
    QString Filter;        // "description|pattern|description|pattern"
    int FilterIndex = 1;   // 1-based
    std::uint32_t Color = 0; // &H00BBGGRR

    // Each returns false when the user cancels.
    bool ShowOpen();
    bool ShowSave();
    bool ShowColor();
    bool ShowPrinter(QPrinter& stampante);
};
