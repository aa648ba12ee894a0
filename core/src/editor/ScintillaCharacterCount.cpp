// QScintilla tells its accessibility layer about every insertion, deletion
// and caret move with the character offset of the place, and it finds that
// offset by counting the characters from the start of the document
// (SCI_COUNTCHARACTERS from 0). That made every keystroke cost time in
// proportion to the text before the caret: 0.2 s at the end of a 20 MB
// file, 1.5 s at the end of a 100 MB one. The library makes these calls
// through its exported SendScintilla, so this definition, which the dynamic
// linker finds first, answers counts from the start of the document with the
// line character index and hands every other message to the library.
// Within a line it counts from the nearer end of the line, so that the end of
// a long line (typing at the end of a minified script) costs no more than the
// end of a short one.
// The definition below must be visible to the dynamic linker.
#pragma GCC visibility push(default)
#include <Qsci/qsciscintillabase.h>
#pragma GCC visibility pop

#include <dlfcn.h>

namespace {

using SendFunction = long (*)(const QsciScintillaBase *, unsigned int, unsigned long, long);

// Counts this short are left to the library: the index would not be faster.
constexpr long ShortCount = 4096;

SendFunction findLibrarySend()
{
    // The definition in the QScintilla library itself, whatever the order
    // the libraries were loaded in.
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void *>(&QsciScintillaBase::staticMetaObject), &info) == 0 || !info.dli_fname)
        return nullptr;
    void *library = dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
    if (!library)
        return nullptr;
    auto *send = reinterpret_cast<SendFunction>(dlsym(library, "_ZNK17QsciScintillaBase13SendScintillaEjml"));
    dlclose(library); // still loaded: only the extra reference goes
    return send;
}

SendFunction librarySend()
{
    static const SendFunction send = findLibrarySend();
    if (!send)
        qFatal("QScintilla's SendScintilla was not found");
    return send;
}

} // namespace

long QsciScintillaBase::SendScintilla(unsigned int msg, unsigned long wParam, long lParam) const
{
    const SendFunction send = librarySend();
    if (msg == SCI_COUNTCHARACTERS && wParam == 0 && lParam > ShortCount
        && (send(this, SCI_GETLINECHARACTERINDEX, 0, 0) & SC_LINECHARACTERINDEX_UTF32)) {
        const long line = send(this, SCI_LINEFROMPOSITION, static_cast<unsigned long>(lParam), 0);
        const long lineStart = send(this, SCI_POSITIONFROMLINE, static_cast<unsigned long>(line), 0);
        const long nextLine = line + 1;
        const long nextStart = nextLine < send(this, SCI_GETLINECOUNT, 0, 0)
                                   ? send(this, SCI_POSITIONFROMLINE, static_cast<unsigned long>(nextLine), 0)
                                   : send(this, SCI_GETLENGTH, 0, 0);
        if (nextStart - lParam < lParam - lineStart)
            return send(this, SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(nextLine), SC_LINECHARACTERINDEX_UTF32)
                - send(this, SCI_COUNTCHARACTERS, static_cast<unsigned long>(lParam), nextStart);
        return send(this, SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), SC_LINECHARACTERINDEX_UTF32)
            + send(this, SCI_COUNTCHARACTERS, static_cast<unsigned long>(lineStart), lParam);
    }
    return send(this, msg, wParam, lParam);
}
