// Reads arbitrary bytes as a project group file (".qpg") of the studio: the
// core's group reader with the studio's ids, format check, start page and
// ToDo list. Must never crash or hang; what was read must store and read
// back to the same bytes.
#include "documents/TVYRAFileType.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TTalvexStudioToDoList.h"
#include "utils/VYRAExceptions.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Never saved to disk: the name only stands in for the project's folder.
const QString kFileName = QStringLiteral("/nonexistent/fuzz.qpg");

QByteArray storedAgain(const QByteArray &stored)
{
    TTalvexStudioProject project(nullptr, QString(), false);
    project.LoadFromBytes(stored, kFileName);
    return project.SaveToBytes();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // As the program does before its core exists.
    TVYRAFileTypeRecognizers::set(ftProject, _TVS_PROJECT);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    TTalvexStudioProject project(nullptr, QString(), false);
    try {
        project.LoadFromBytes(input, kFileName);
    } catch (const EInvalidVYRAFormat &) {
        return 0;
    }
    if (project.Root() == nullptr || project.Root()->ItemType() != pitFolder || project.Modified())
        std::abort();
    if (project.StartPage() && project.StartPage()->ItemType() != pitFile)
        std::abort();
    // Walks that every caller relies on.
    int walked = 0;
    for (TVYRAProjectGroupItem *node = project.Root()->FirstItem(); node; node = node->NextItem())
        ++walked;
    if (walked != project.Root()->GetTotalCount())
        std::abort();
    if (project.ToDoList()->GetDoneItemsCount() > project.ToDoList()->GetCount())
        std::abort();
    project.AlphaSort();
    // The first store fills in what the file left out (fallback folders, new
    // ids); from then on storing and reading must be a fixed point.
    const QByteArray stored = storedAgain(project.SaveToBytes());
    if (storedAgain(stored) != stored)
        std::abort();
    return 0;
}
