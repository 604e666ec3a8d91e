#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/types.h>

// The file a path leads to, whatever the path's spelling: links, "..", a second hard link. A file
// not there yet is known by its folder and its name, as it would be made.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    QByteArray nameInFolder; // empty for a file that exists; the folder's device and inode then

    bool operator==(const FileIdentity&) const = default;
};

// None when the path can lead to no file: its folder is missing, or a loop of links.
std::optional<FileIdentity> fileIdentity(const QString& path);
