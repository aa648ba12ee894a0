#include "commands/TEditorKeyCollisions.h"

#include "commands/TActionRegistry.h"

#include <QAction>
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

namespace {

// Commands whose menu action does what the editor's own binding does.
bool sameMeaning(const QString &action, QsciCommand::Command command)
{
    struct TPair
    {
        const char *action;
        QsciCommand::Command command;
    };
    static const TPair pairs[] = {
        {"EditUndo", QsciCommand::Undo},           {"EditRedo", QsciCommand::Redo},
        {"EditCut", QsciCommand::SelectionCut},    {"EditCopy", QsciCommand::SelectionCopy},
        {"EditPaste", QsciCommand::Paste},         {"EditSelectAll", QsciCommand::SelectAll},
        {"EditDelete", QsciCommand::Delete},
    };
    for (const TPair &pair : pairs)
        if (action == QLatin1String(pair.action) && command == pair.command)
            return true;
    return false;
}

int combined(const QKeySequence &key)
{
    return key.count() == 1 ? key[0].toCombined() : 0;
}

} // namespace

std::vector<TKeyCollision> TEditorKeyCollisions::Find(QsciScintilla &editor, const TActionRegistry &registry)
{
    std::vector<TKeyCollision> collisions;
    const QList<QsciCommand *> &commands = editor.standardCommands()->commands();
    for (QAction *action : registry.Actions()) {
        const int key = combined(action->shortcut());
        if (key == 0)
            continue;
        for (QsciCommand *command : commands) {
            if (command->key() != key && command->alternateKey() != key)
                continue;
            collisions.push_back({action->shortcut(), action->objectName(), command->description(),
                                  sameMeaning(action->objectName(), command->command())});
        }
    }
    return collisions;
}

int TEditorKeyCollisions::Clear(QWidget &editor, const TActionRegistry &registry)
{
    QList<QsciScintilla *> editors = editor.findChildren<QsciScintilla *>();
    if (auto *self = qobject_cast<QsciScintilla *>(&editor))
        editors.prepend(self);
    int cleared = 0;
    for (QsciScintilla *sci : std::as_const(editors)) {
        for (const TKeyCollision &collision : Find(*sci, registry)) {
            if (collision.sameMeaning)
                continue;
            const int key = combined(collision.key);
            for (QsciCommand *command : sci->standardCommands()->commands()) {
                if (command->key() == key) {
                    command->setKey(0);
                    ++cleared;
                }
                if (command->alternateKey() == key) {
                    command->setAlternateKey(0);
                    ++cleared;
                }
            }
        }
    }
    return cleared;
}
