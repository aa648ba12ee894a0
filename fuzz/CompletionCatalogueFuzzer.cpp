// Reads arbitrary bytes as a completion catalogue: as a service file
// ("codecompletion" with one catalogue per child), as the PHP catalogue with
// its deferred function load, and as a single general catalogue. Must never
// crash or hang; a malformed document may only raise the framework's format
// error. What the service read must save and read back with as many
// catalogues, and the parameter hint must stay inside the function list.
#include "completion/ICompletionEditor.h"
#include "completion/TVYRACodeCompletionService.h"
#include "completion/TVYRAPHPCodeCompletion.h"
#include "utils/VYRAExceptions.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

struct LineEditor : ICompletionEditor {
    QString line;
    int column = 1;
    QString CaretLineText() const override { return line; }
    int CaretColumn() const override { return column; }
};

void checkService(const QByteArray &bytes)
{
    static QTemporaryDir dir;
    TVYRACodeCompletionService service;
    try {
        service.LoadFromData(bytes);
    } catch (const EInvalidVYRAFormat &) {
        return;
    }
    const QString file = dir.filePath(QStringLiteral("roundtrip.xml"));
    QFile::remove(file);
    service.SaveAll(file);
    TVYRACodeCompletionService again(file);
    if (again.GetCount() != service.GetCount())
        std::abort();
}

void checkPHP(const QByteArray &bytes)
{
    TVYRACodeCompletionService service;
    try {
        service.LoadCustomFromData(bytes, TVYRACodeCompletionService::PHPClass());
        service.LoadCustomFromData(bytes, TVYRACodeCompletionService::GeneralClass());
    } catch (const EInvalidVYRAFormat &) {
        return;
    }
    if (service.GetCount() == 0)
        return;
    auto *php = static_cast<TVYRAPHPCodeCompletion *>(service.GetItem(0));
    const TCompletionComponent &completer = *php->GetCompleter();
    if (php->FunctionNames.size() != php->ParamLists.size()
        || completer.ItemList().size() != completer.InsertList().size())
        std::abort();
    (void)completer.Matching(QStringLiteral("a"));
    for (int i = 0; i < std::min<int>(8, int(completer.ItemList().size())); ++i)
        (void)completer.DisplayText(i);
    // The hint on each function name followed by a bracket and two commas
    // outside a string: parameter 2.
    TCompletionComponent params(ctParams);
    params.AssignSettings(*php->GetParams());
    params.OnExecute = php->GetParams()->OnExecute;
    LineEditor editor;
    params.SetEditor(&editor);
    for (int i = 0; i < std::min<int>(8, int(php->FunctionNames.size())); ++i) {
        editor.line = php->FunctionNames[i] + QStringLiteral("($a, 'x,)', ");
        editor.column = int(editor.line.size()) + 1;
        if (params.Execute() && (params.ItemList().size() != 1 || params.CurrentIndex != 2))
            std::abort();
    }
    // The bytes themselves as a line of PHP.
    editor.line = QString::fromUtf8(bytes.left(400));
    editor.column = int(editor.line.size()) + 1;
    if (params.Execute() && params.ItemList().size() != 1)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    checkService(bytes);
    checkPHP(bytes);
    return 0;
}
