#pragma once
// The fixed texts of the help windows (the circular's chapters, the terms of
// use) live in the program's data folder, one file each, in Windows-1252 or
// UTF-8 with CR LF line ends.

#include <QString>

namespace guida {

// The text of data file `nome` (a path under the data folder, such as
// "circolare/capitolo1.txt"), with its line ends as LF. When the file is
// missing or unreadable the user is told, naming `cosa` ("il capitolo I") and
// the file, and the text is empty.
QString testoDati(const QString& nome, const QString& cosa);

} // namespace guida
