// Links made on the Linux side of Wine, for tests that need what Windows
// calls folder links and mapped drives. Under Wine, CreateSymbolicLinkA
// makes nothing and junctions fail, so the tests make Linux symbolic links
// (which Wine lists as folder links) by running ln from inside Wine, and
// remove them the same way, before anything below them is cleaned up:
// Wine's own deletion could follow them.
#pragma once

#include <string>

namespace test_support {

// The Linux path behind a Windows path; "" when Wine cannot say.
std::string UnixPath(const std::string& windowsPath);

// A symbolic link at `linkPath` that points to the folder `targetPath`.
class FolderLink {
public:
    FolderLink(const std::string& linkPath, const std::string& targetPath);
    ~FolderLink();
    FolderLink(const FolderLink&) = delete;
    FolderLink& operator=(const FolderLink&) = delete;

    bool Made() const { return m_made; }

private:
    std::string m_link;
    std::string m_unixLink;
    bool m_made = false;
};

// A spare drive letter that stands for `folder` while the object lives,
// made as a link in the prefix's dosdevices folder.
class MappedDrive {
public:
    explicit MappedDrive(const std::string& folder);
    ~MappedDrive();
    MappedDrive(const MappedDrive&) = delete;
    MappedDrive& operator=(const MappedDrive&) = delete;

    bool Made() const { return m_made; }
    // "X:" without a backslash; empty when no drive was made.
    const std::string& Drive() const { return m_drive; }

private:
    std::string m_unixLink;
    std::string m_drive;
    bool m_made = false;
};

}  // namespace test_support
