#include "search/TFolderFileLister.h"

#include <QFile>

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

namespace {

// "*" any run of characters, "?" one character; both already upper case.
bool wildMatch(QStringView mask, QStringView name)
{
    qsizetype m = 0, n = 0, starMask = -1, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == u'?' || mask[m] == name[n])) {
            ++m;
            ++n;
        } else if (m < mask.size() && mask[m] == u'*') {
            starMask = m++;
            starName = n;
        } else if (starMask >= 0) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

enum class TEntryKind { File, Folder, Other };

TEntryKind kindOf(const QString &path, unsigned char type)
{
    if (type == DT_REG)
        return TEntryKind::File;
    if (type == DT_DIR)
        return TEntryKind::Folder;
    if (type != DT_UNKNOWN)
        return TEntryKind::Other;
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return TEntryKind::Other;
    if (S_ISREG(info.st_mode))
        return TEntryKind::File;
    return S_ISDIR(info.st_mode) ? TEntryKind::Folder : TEntryKind::Other;
}

} // namespace

TFolderFileLister::TFolderFileLister(const QString &masks, bool recursive)
    : m_recursive(recursive)
{
    for (const QString &part : masks.split(u';', Qt::SkipEmptyParts)) {
        const QString mask = part.trimmed().toUpper();
        if (mask.isEmpty())
            continue;
        // "*.*" stands for every name, also those without a dot.
        m_masks.append(mask == QLatin1String("*.*") ? QStringLiteral("*") : mask);
    }
}

bool TFolderFileLister::Matches(const QString &fileName) const
{
    const QString name = fileName.toUpper();
    return std::any_of(m_masks.begin(), m_masks.end(), [&name](const QString &mask) { return wildMatch(mask, name); });
}

QStringList TFolderFileLister::List(const QString &folder, const std::atomic_bool *cancel) const
{
    QStringList out;
    QString base = folder;
    while (base.size() > 1 && base.endsWith(u'/'))
        base.chop(1);
    listInto(base, out, cancel);
    return out;
}

void TFolderFileLister::listInto(const QString &folder, QStringList &out, const std::atomic_bool *cancel) const
{
    if (cancel && cancel->load(std::memory_order_relaxed))
        return;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return;
    std::vector<std::pair<QString, unsigned char>> entries;
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        entries.emplace_back(QFile::decodeName(name), entry->d_type);
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    const QString prefix = folder == QLatin1String("/") ? folder : folder + u'/';
    for (const auto &[name, type] : entries) {
        const QString path = prefix + name;
        const TEntryKind kind = kindOf(path, type);
        if (kind == TEntryKind::Folder && m_recursive)
            listInto(path, out, cancel);
        else if (kind == TEntryKind::File && Matches(name))
            out.append(path);
    }
}
