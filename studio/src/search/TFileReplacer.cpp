#include "search/TFileReplacer.h"

#include "documents/TTextFile.h"
#include "search/TSearchMatcher.h"

#include <QFile>

#include <sys/stat.h>

TFileReplacer::TFileReplacer(const TSearchMatcher &matcher, const QString &replacement)
    : m_matcher(matcher)
    , m_replacement(replacement)
{
}

TFileReplacer::TOutcome TFileReplacer::Replace(const QStringList &fileNames) const
{
    TOutcome outcome;
    for (const QString &fileName : fileNames) {
        QString failure;
        const int replaced = replaceIn(fileName, failure);
        if (!failure.isEmpty()) {
            outcome.failures.append(failure);
        } else if (replaced > 0) {
            ++outcome.filesChanged;
            outcome.replacements += replaced;
        }
    }
    return outcome;
}

int TFileReplacer::replaceIn(const QString &fileName, QString &failure) const
{
    TTextFile file;
    struct stat info {};
    // Never open a FIFO put in the file's place: reading it could wait for ever.
    if (::stat(QFile::encodeName(fileName).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        failure = QStringLiteral("Die Datei \"%1\" ist keine gewöhnliche Datei mehr; in ihr wurde nichts ersetzt.")
                      .arg(fileName);
        return 0;
    }
    const TDocumentResult loaded = TTextFile::Load(fileName, file);
    if (!loaded) {
        failure = QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden; in ihr wurde nichts ersetzt.\n%2")
                      .arg(fileName, loaded.errorText);
        return 0;
    }
    const QList<TTextMatch> hits = m_matcher.FindAll(file.text);
    if (hits.isEmpty())
        return 0;
    QString text;
    text.reserve(file.text.size() + hits.size() * (m_replacement.size() - m_matcher.Pattern().size()));
    int done = 0;
    for (const TTextMatch &hit : hits) {
        text += QStringView(file.text).mid(done, hit.pos - done);
        text += m_replacement;
        done = hit.pos + hit.len;
    }
    text += QStringView(file.text).mid(done);
    file.text = text;
    const TDocumentResult saved = file.Save(fileName);
    if (!saved) {
        failure = QStringLiteral("In der Datei \"%1\" konnte nicht ersetzt werden; sie bleibt, wie sie war.\n%2")
                      .arg(fileName, saved.errorText);
        return 0;
    }
    return int(hits.size());
}
