#pragma once
// The stored FTP sites, kept in data\sftp.dat2: a sequence of 560-byte records, no header.
//
//   offset  size  field
//        0   151  name, counted text of capacity 150
//      151   256  address, counted text of capacity 255
//      407   101  login, counted text of capacity 100
//      508    51  password, counted text of capacity 50 (plain text)
//      559     1  password in use: 1 when the anonymous box was last cleared, else 0
//
// The file holds passwords, so it is kept readable by its owner only.
#include <QString>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wertan::ftp {

inline constexpr std::size_t kSiteRecordSize = 560;
inline constexpr std::size_t kMaxSites = 100;
inline constexpr std::size_t kSiteNameCapacity = 150;
inline constexpr std::size_t kSiteAddressCapacity = 255;
inline constexpr std::size_t kSiteLoginCapacity = 100;
inline constexpr std::size_t kSitePasswordCapacity = 50;

struct FtpSite {
    std::string name;    // Windows-1250
    std::string address; // host name or address
    std::string login;
    std::string password;
    bool passwordInUse = false;
    bool operator==(const FtpSite&) const = default;
};

// The 560 bytes of one record; texts are cut to their capacities.
std::string encodeSite(const FtpSite& site);
// The record at the start of bytes (which hold at least a record).
FtpSite decodeSite(std::string_view bytes);
std::string encodeSites(const std::vector<FtpSite>& sites);
// Whole records in file order, at most kMaxSites; a trailing partial record is not read.
std::vector<FtpSite> decodeSites(std::string_view bytes);

// The site list the site dialog edits, with its current site.
class FtpSiteList {
public:
    const std::vector<FtpSite>& sites() const { return sites_; }
    void setSites(std::vector<FtpSite> sites);
    int count() const { return int(sites_.size()); }
    bool isEmpty() const { return sites_.empty(); }
    const FtpSite& site(int index) const { return sites_.at(std::size_t(index)); }
    FtpSite& site(int index) { return sites_.at(std::size_t(index)); }
    std::vector<std::string> names() const;

    // -1 while the list is empty.
    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    bool isFull() const { return sites_.size() >= kMaxSites; }
    // Appends a site named "Nowy serwer" and makes it current; false when the list is full.
    bool add();
    // Removes the current site; the site before it becomes current (the new first site when the
    // first was removed). Nothing happens with an empty list.
    void removeCurrent();

    // The fields of the current site, stored as a field loses the focus; texts are cut to their
    // capacities. A name that is empty or a single space is refused (false).
    bool setName(const std::string& name);
    void setAddress(const std::string& address);
    void setLogin(const std::string& login);
    void setPassword(const std::string& password);
    void setPasswordInUse(bool inUse);

private:
    std::vector<FtpSite> sites_;
    int current_ = -1;
};

// A name the site dialog refuses: empty or a single space.
bool isBlankSiteName(const std::string& name);

// Shown when the site file is missing.
QString missingSitesMessage();
// Shown when "Nazwa:" is left blank.
QString blankSiteNameMessage();

// Replaces the site file with the sites (truncating it), readable by its owner only. The records
// past the hundredth that the file held (kept as read, see SiteFileLoad) follow the sites.
bool writeSiteFile(const QString& path, const std::vector<FtpSite>& sites, QString* error,
                   std::string_view extraRecords = {});

struct SiteFileLoad {
    std::vector<FtpSite> sites;
    // Whole records past the hundredth: not listed, but written back unchanged, so that a file
    // made elsewhere loses nothing.
    std::string extraRecords;
    QString message; // the missing-file message, to show first; empty otherwise
    QString error;   // an input/output error; empty on success
};
// Reads the site file, first narrowing it to its owner if others could read it. A missing file
// gives the message, an empty list, and the file is written holding one empty record (listed only
// when the file is read again).
SiteFileLoad loadSiteFile(const QString& path);

} // namespace wertan::ftp
