// The library's writer of error.log.
#pragma once

#include <QString>

namespace ordwen::detail {

enum class LogForm {
    WriteCall,  // the failure of a write call
    Initialize, // the failure while a House is created: information line, short closing rule
};

// Appends one entry to error.log in folder, creating the file with its header when it does
// not exist. bannerBlanks is the number of blanks before the banner text. Never throws and
// never fails loudly: an entry that cannot be written is lost.
void WriteErrorLog(const QString &folder, const QString &label, int bannerBlanks, LogForm form, int number,
                   const QString &description);

} // namespace ordwen::detail
