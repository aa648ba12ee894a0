#pragma once

#include "completion/TCompletionComponent.h"
#include "vyra_export.h"

#include <QString>
#include <QStringList>
#include <memory>

class QSettings;
class TIHighlighter;
namespace pugi {
class xml_document;
class xml_node;
}

// One completion catalogue: the highlighters it serves, a word list and a
// parameter-hint component. The general form reads
//   <node><supported><x>html</x>..</supported>
//         <settings><TriggerChars/><EndOfTokenChr/><items><x>..</x></items></settings></node>
// and the older registry form a key with the highlighter names as values and
// the subkeys "settings" and "settings/items".
class VYRA_EXPORT TVYRACodeCompletion
{
public:
    TVYRACodeCompletion();
    virtual ~TVYRACodeCompletion();
    TVYRACodeCompletion(const TVYRACodeCompletion &) = delete;
    TVYRACodeCompletion &operator=(const TVYRACodeCompletion &) = delete;

    virtual void Load(const pugi::xml_node &node);
    // The registry form; settings stands in the catalogue's key.
    void Load(QSettings &settings);
    void Load(quint32 root, const QString &key);
    void Save(pugi::xml_node node);
    void Save(QSettings &settings);
    void Save(quint32 root, const QString &key);

    virtual TCompletionComponent *GetCompleter() { return m_completer.get(); }
    virtual TCompletionComponent *GetParams() { return m_params.get(); }

    // True when the entry's short or long name is in Supported (any case).
    bool Supports(const TIHighlighter &entry) const;

    // Hands over the document a later Load node belongs to, for catalogues
    // that read their node only when first used.
    void KeepDocument(std::shared_ptr<pugi::xml_document> document) { m_document = std::move(document); }

    QStringList Supported;

protected:
    std::shared_ptr<pugi::xml_document> m_document;
    const std::unique_ptr<TCompletionComponent> m_completer;
    const std::unique_ptr<TCompletionComponent> m_params;
};
