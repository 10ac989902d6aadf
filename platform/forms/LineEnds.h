#pragma once
// The program joins the lines of a caption or a message with a carriage
// return (alone or before a line feed), which Qt's labels and dialogs do not
// break on: they show a blank. A text is handed to Qt with line feeds instead.

#include <QString>

namespace tamberlo {

inline QString WithQtLineEnds(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace tamberlo
