#include "php/TPHPSource.h"

#include "php/TPHPDeclarationScanner.h"
#include "php/TPHPLexer.h"

#include <QFile>
#include <QStringDecoder>

extern "C" LINTARA_EXPORT const char _LINTARAVERSION[] = "2.6 RC1";

namespace {

QString decodeFile(const QByteArray &bytes)
{
    if (auto bom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*bom);
        return decoder(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder cp1252("windows-1252");
    if (cp1252.isValid())
        return cp1252(bytes);
    return QString::fromLatin1(bytes);
}

} // namespace

TPHPSource::TPHPSource(const QString &sourceText) : TPHPClass(nullptr, 0)
{
    SourceText = sourceText;
    CommentMap->SetStartsInHtml(true);
    ParseEntity();
}

void TPHPSource::ParseEntity()
{
    ClearMembers();
    Classes.clear();
    Interfaces.clear();
    Includes.clear();
    Name.clear();
    CommentMap->SetSource(SourceText);
    if (SourceText.isEmpty())
        return;
    const QString mask = TPHPLexer::CodeMask(SourceText, true);
    TPHPDeclarations found = TPHPDeclarationScanner(SourceText, mask, 0, this).Run();
    Classes = std::move(found.Classes);
    Interfaces = std::move(found.Interfaces);
    Methods = std::move(found.Functions);
    Constants = std::move(found.Defines);
    Includes = std::move(found.Includes);
    if (!Classes.empty())
        Name = Classes.front()->Name;
}

void TPHPSource::LoadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return;
    SetSourceText(decodeFile(file.readAll()));
}

TPHPDefineConstant *TPHPSource::GetConstantEx(int32_t index) const
{
    return static_cast<TPHPDefineConstant *>(GetConstants(index));
}

int32_t TPHPSource::FindClass(const QString &name) const
{
    for (size_t i = 0; i < Classes.size(); ++i)
        if (Classes[i]->Name == name)
            return int32_t(i);
    return -1;
}

int32_t TPHPSource::FindInterface(const QString &name) const
{
    for (size_t i = 0; i < Interfaces.size(); ++i)
        if (Interfaces[i]->Name == name)
            return int32_t(i);
    return -1;
}

TPHPMethod *TPHPSource::FindMethod(const TPHPCustomClass *owner, const QString &name) const
{
    const TPHPCustomClass *scope = this;
    if (owner) {
        const int32_t c = FindClass(owner->Name);
        const int32_t i = c < 0 ? FindInterface(owner->Name) : -1;
        if (c < 0 && i < 0)
            return nullptr;
        scope = c >= 0 ? static_cast<const TPHPCustomClass *>(Classes[size_t(c)].get())
                       : static_cast<const TPHPCustomClass *>(Interfaces[size_t(i)].get());
    }
    for (int32_t m = 0; m < scope->GetMethodCount(); ++m)
        if (scope->GetMethodsEx(m)->Name == name)
            return scope->GetMethodsEx(m);
    return nullptr;
}

TPHPEntity *TPHPSource::FindEntityAt(int32_t pos) const
{
    TPHPEntity *found = TPHPCustomClass::FindEntityAt(pos);
    if (found && found != this)
        return found;
    for (const auto &include : Includes)
        if (include->Offset <= pos && pos <= include->Offset + include->SourceText.size())
            return include.get();
    for (const auto &c : Classes)
        if (TPHPEntity *e = c->FindEntityAt(pos))
            return e;
    for (const auto &i : Interfaces)
        if (TPHPEntity *e = i->FindEntityAt(pos))
            return e;
    return nullptr;
}

bool TPHPSource::SyntaxCheck(bool runScript, const QString &fileName)
{
    SyntaxOutput.clear();
    SyntaxMessages.clear();
    const TPHPSyntaxChecker::TResult result =
        TPHPSyntaxChecker::Run(PHPExecutable, fileName, SourceText, runScript, SyntaxTimeoutMs);
    m_syntaxStatus = result.Status;
    SyntaxOutput = result.Output;
    SyntaxMessages = result.Messages;
    return m_syntaxStatus == TPHPSyntaxStatus::ssNoErrors;
}

QString TPHPSource::Version()
{
    return QStringLiteral("Lintara ") + QLatin1String(_LINTARAVERSION);
}
