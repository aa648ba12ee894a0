#pragma once

#include "completion/TVYRACodeCompletion.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QSettings;
class TIHighlighter;

// Makes an empty catalogue of one class (TVYRACodeCompletion, TVYRAPHPCodeCompletion).
using TCodeCompletionClass = std::function<std::unique_ptr<TVYRACodeCompletion>()>;

// The catalogues of the program, in load order, and the choice among them
// for an editor's highlighter. A file of the service has the root
// "codecompletion" with one catalogue per child element; a single catalogue
// file ("php_codecompletion.xml", "html_codecompletion.xml") is appended
// with LoadCustom. Missing files leave the service as it is; a damaged file
// raises EInvalidVYRAFormat.
class VYRA_EXPORT TVYRACodeCompletionService
{
public:
    TVYRACodeCompletionService();
    // The older registry form: every subkey of key is one catalogue.
    TVYRACodeCompletionService(quint32 root, const QString &key);
    explicit TVYRACodeCompletionService(const QString &fileName);
    ~TVYRACodeCompletionService();

    void LoadFromSettings(QSettings &settings);
    void LoadFromFile(const QString &fileName);
    void LoadFromData(const QByteArray &data);
    void LoadCustom(const QString &fileName, const TCodeCompletionClass &completionClass);
    void LoadCustomFromData(const QByteArray &data, const TCodeCompletionClass &completionClass);

    // The program's catalogues at start: the PHP catalogue (the user's own
    // from a rebuild when there is one, else the shipped one) and the HTML
    // catalogue of the common data folder. A damaged user catalogue gives way
    // to the shipped one; the text of what was damaged is returned, else an
    // empty text. Both folders end with "/".
    QString LoadProgramCatalogues(const QString &commonDataDir, const QString &userDataDir);

    int GetCount() const { return int(m_items.size()); }
    TVYRACodeCompletion *GetItem(int i) const;
    void SetItem(int i, std::unique_ptr<TVYRACodeCompletion> item);
    void Add(std::unique_ptr<TVYRACodeCompletion> item);

    // Whether any catalogue serves the highlighter entry.
    bool Serves(const TIHighlighter *entry) const;
    // Copies the lists and settings of every catalogue that serves entry into
    // component, the last match winning; false only for a missing component.
    bool SetUpCompleter(const TIHighlighter *entry, TCompletionComponent *component);
    // The same for the parameter hint, including the catalogue's execute handler.
    bool SetUpParamCompletion(const TIHighlighter *entry, TCompletionComponent *component);

    // Writes every catalogue back where the service was read from (the file,
    // else the registry key); raises EVYRAException when a file cannot be written.
    void SaveAll();
    void SaveAll(const QString &fileName);

    static TCodeCompletionClass GeneralClass();
    static TCodeCompletionClass PHPClass();

private:
    void readRoot(const pugi::xml_node &root);
    bool setUp(const TIHighlighter *entry, TCompletionComponent *component, bool params);

    std::vector<std::unique_ptr<TVYRACodeCompletion>> m_items;
    quint32 m_root = 0;
    QString m_key;
    QString m_fileName;
};
