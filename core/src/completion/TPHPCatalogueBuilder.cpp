#include "completion/TPHPCatalogueBuilder.h"

#include "completion/TPHPProcess.h"
#include "utils/TXmlDocumentFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <pugixml.hpp>

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("TPHPCatalogueBuilder", text);
}
} // namespace

TPHPCatalogueBuilder::TPHPCatalogueBuilder(QString phpExe, QString generatorScript, int timeLimitMs)
    : m_phpExe(std::move(phpExe)), m_generator(std::move(generatorScript)), m_timeLimitMs(timeLimitMs)
{
}

QString TPHPCatalogueBuilder::CatalogueToLoad(const QString &commonDataDir, const QString &userDataDir)
{
    const QString own = userDataDir + FileName();
    return QFileInfo::exists(own) ? own : commonDataDir + FileName();
}

TPHPCatalogueBuildResult TPHPCatalogueBuilder::Build(const QString &targetFile) const
{
    TPHPCatalogueBuildResult result;
    if (!QFileInfo(m_generator).isFile()) {
        result.error = tr("Das Skript \"%1\", das den PHP-Funktionskatalog erzeugt, wurde nicht gefunden.").arg(m_generator);
        return result;
    }
    const TPHPProcessResult run = TPHPProcess::Run(m_phpExe, {QFileInfo(m_generator).absoluteFilePath()},
                                                   m_timeLimitMs, QFileInfo(m_generator).absolutePath());
    if (!run) {
        result.error = tr("Der PHP-Funktionskatalog \"%1\" wurde nicht erneuert: %2").arg(targetFile, run.error);
        return result;
    }
    pugi::xml_document doc;
    const auto parsed = TXmlDocumentFile::Parse(run.output, doc);
    const pugi::xml_node root = doc.document_element();
    for (pugi::xml_node f = root.child("function"); f; f = f.next_sibling("function"))
        ++result.functionCount;
    if (parsed.status != TXmlDocumentFile::TLoadStatus::Loaded || qstrcmp(root.name(), "codecompletion") != 0
        || result.functionCount == 0) {
        result.functionCount = 0;
        result.error = tr("Der PHP-Funktionskatalog \"%1\" wurde nicht erneuert: \"%2\" hat keinen Funktionskatalog "
                          "ausgegeben.")
                           .arg(targetFile, m_generator);
        return result;
    }
    result.phpVersion = QString::fromUtf8(root.attribute("phpversion").value());
    QDir().mkpath(QFileInfo(targetFile).absolutePath());
    QSaveFile file(targetFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(run.output) != run.output.size() || !file.commit()) {
        result.error = tr("Der PHP-Funktionskatalog \"%1\" konnte nicht geschrieben werden: %2")
                           .arg(targetFile, file.errorString());
        return result;
    }
    result.ok = true;
    return result;
}
