#include "ftp/ftp_sites.h"

#include "ftp/private_files.h"
#include "text/counted_text.h"
#include "text/document_text.h"

#include <QFileInfo>

#include <algorithm>

namespace wertan::ftp {

namespace {
constexpr std::size_t kAddressOffset = 151;
constexpr std::size_t kLoginOffset = 407;
constexpr std::size_t kPasswordOffset = 508;
constexpr std::size_t kInUseOffset = 559;

std::string cut(const std::string& text, std::size_t capacity) {
    return text.substr(0, std::min(text.size(), capacity));
}
} // namespace

std::string encodeSite(const FtpSite& site) {
    std::string out;
    out.reserve(kSiteRecordSize);
    appendCountedText(out, site.name, kSiteNameCapacity);
    appendCountedText(out, site.address, kSiteAddressCapacity);
    appendCountedText(out, site.login, kSiteLoginCapacity);
    appendCountedText(out, site.password, kSitePasswordCapacity);
    out.push_back(site.passwordInUse ? '\1' : '\0');
    return out;
}

FtpSite decodeSite(std::string_view bytes) {
    FtpSite site;
    site.name = readCountedText(bytes.substr(0, kAddressOffset), kSiteNameCapacity);
    site.address =
        readCountedText(bytes.substr(kAddressOffset, kLoginOffset - kAddressOffset), kSiteAddressCapacity);
    site.login =
        readCountedText(bytes.substr(kLoginOffset, kPasswordOffset - kLoginOffset), kSiteLoginCapacity);
    site.password =
        readCountedText(bytes.substr(kPasswordOffset, kInUseOffset - kPasswordOffset), kSitePasswordCapacity);
    site.passwordInUse = bytes.size() > kInUseOffset && bytes[kInUseOffset] != '\0';
    return site;
}

std::string encodeSites(const std::vector<FtpSite>& sites) {
    std::string out;
    out.reserve(sites.size() * kSiteRecordSize);
    for (const FtpSite& site : sites)
        out += encodeSite(site);
    return out;
}

std::vector<FtpSite> decodeSites(std::string_view bytes) {
    std::vector<FtpSite> sites;
    for (std::size_t at = 0; at + kSiteRecordSize <= bytes.size() && sites.size() < kMaxSites;
         at += kSiteRecordSize)
        sites.push_back(decodeSite(bytes.substr(at, kSiteRecordSize)));
    return sites;
}

// ---- The list -------------------------------------------------------------------------------------

void FtpSiteList::setSites(std::vector<FtpSite> sites) {
    if (sites.size() > kMaxSites) sites.resize(kMaxSites);
    sites_ = std::move(sites);
    current_ = sites_.empty() ? -1 : 0;
}

std::vector<std::string> FtpSiteList::names() const {
    std::vector<std::string> result;
    result.reserve(sites_.size());
    for (const FtpSite& site : sites_)
        result.push_back(site.name);
    return result;
}

void FtpSiteList::setCurrentIndex(int index) {
    if (index >= 0 && index < count()) current_ = index;
}

bool FtpSiteList::add() {
    if (isFull()) return false;
    FtpSite site;
    site.name = "Nowy serwer";
    sites_.push_back(site);
    current_ = count() - 1;
    return true;
}

void FtpSiteList::removeCurrent() {
    if (current_ < 0 || current_ >= count()) return;
    sites_.erase(sites_.begin() + current_);
    if (sites_.empty())
        current_ = -1;
    else
        current_ = std::max(0, current_ - 1);
}

bool isBlankSiteName(const std::string& name) {
    return name.empty() || name == " ";
}

bool FtpSiteList::setName(const std::string& name) {
    if (isBlankSiteName(name)) return false;
    if (current_ >= 0) site(current_).name = cut(name, kSiteNameCapacity);
    return true;
}

void FtpSiteList::setAddress(const std::string& address) {
    if (current_ >= 0) site(current_).address = cut(address, kSiteAddressCapacity);
}

void FtpSiteList::setLogin(const std::string& login) {
    if (current_ >= 0) site(current_).login = cut(login, kSiteLoginCapacity);
}

void FtpSiteList::setPassword(const std::string& password) {
    if (current_ >= 0) site(current_).password = cut(password, kSitePasswordCapacity);
}

void FtpSiteList::setPasswordInUse(bool inUse) {
    if (current_ >= 0) site(current_).passwordInUse = inUse;
}

// ---- The file -------------------------------------------------------------------------------------

QString missingSitesMessage() {
    return QStringLiteral("Nie można wczytać ustawień serwerów FTP - Przywracanie domyślnych ustawień!");
}

QString blankSiteNameMessage() {
    return QStringLiteral("Pole nazwy serwera nie może pozostać puste");
}

bool writeSiteFile(const QString& path, const std::vector<FtpSite>& sites, QString* error,
                   std::string_view extraRecords) {
    std::string bytes = encodeSites(sites);
    bytes.append(extraRecords);
    return writePrivateFile(path, bytes, error);
}

SiteFileLoad loadSiteFile(const QString& path) {
    SiteFileLoad result;
    if (!QFileInfo::exists(path)) {
        result.message = missingSitesMessage();
        writeSiteFile(path, {FtpSite{}}, &result.error);
        return result;
    }
    std::string bytes;
    if (!readFileBytes(path, &bytes, &result.error)) return result;
    // A file that others could read is narrowed as soon as it is seen.
    keepFilePrivate(path);
    result.sites = decodeSites(bytes);
    const std::size_t listed = result.sites.size() * kSiteRecordSize;
    const std::size_t whole = bytes.size() / kSiteRecordSize * kSiteRecordSize;
    if (whole > listed) result.extraRecords = bytes.substr(listed, whole - listed);
    return result;
}

} // namespace wertan::ftp
