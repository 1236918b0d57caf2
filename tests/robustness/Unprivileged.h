// Runs a test program as the unprivileged account nobody when it was started as root: the
// superuser may write read-only files, so the faults a user meets would not happen.
#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <vector>

#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

namespace unprivileged {

inline constexpr char Marker[] = "BRISOLA_UNPRIVILEGED";

// As root: replaces the process with the same program under setpriv as nobody:nogroup, with
// no supplementary groups (and so no capabilities). Returns only when that is not needed,
// or with the reason it failed on stderr.
inline void RunAsNobodyIfRoot(int argc, char **argv) {
    if (::geteuid() != 0 || qEnvironmentVariableIsSet(Marker))
        return;
    char self[PATH_MAX] = {};
    if (!::realpath("/proc/self/exe", self)) {
        std::perror("realpath");
        return;
    }
    std::vector<std::string> words = {
        "setpriv", "--reuid=nobody",           "--regid=nogroup", "--clear-groups",
        "env",     std::string(Marker) + "=1", "HOME=/tmp",       self};
    for (int i = 1; i < argc; ++i)
        words.emplace_back(argv[i]);
    std::vector<char *> args;
    for (std::string &word : words)
        args.push_back(word.data());
    args.push_back(nullptr);
    ::execvp("setpriv", args.data());
    std::perror("setpriv");
    std::_Exit(127);
}

// True when a file without write permission really cannot be written by this process.
inline bool ReadOnlyMeansReadOnly() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("probe"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    QFile file(path);
    return !file.open(QIODevice::WriteOnly | QIODevice::Append);
}

} // namespace unprivileged
