// Random sequences (fixed seeds) of new, open, edit, save, save-as in every
// format, exchange and close over a temporary folder. After each step the
// container holds exactly the documents the model expects, each showing the
// text the model expects; at the end every file on disk holds what its
// document last saved there.
#include "TestContainerHost.h"
#include "documents/TVYRATemplate.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

namespace {

const QStringList kPool{QStringLiteral("a.txt"), QStringLiteral("b.php"), QStringLiteral("c.qcd"),
                        QStringLiteral("d.qtf"), QStringLiteral("e.rtf"), QStringLiteral("f.txt"),
                        QStringLiteral("g.qcd")};

struct TModelDocument {
    TVYRADocument *document = nullptr;
    QString text;
};

// What a file holds in its format: the text of a document or template, or the plain bytes.
QString textOnDisk(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix == QLatin1String("qcd")) {
        TVYRADocument document(path, QStringLiteral("0.98"), nullptr, nullptr, nullptr, true);
        QString checksum;
        document.LoadFromFile(path, checksum);
        const TOpenResult opened = document.OpenStored({}, {});
        return opened.outcome == TOpenOutcome::Success ? document.UncryptedText() : QStringLiteral("<kaputt>");
    }
    if (suffix == QLatin1String("qtf")) {
        TVYRATemplate object(path, QStringLiteral("0.98"), nullptr, nullptr, nullptr, true);
        QString version;
        object.LoadFromFile(path, version);
        return object.TemplateText();
    }
    return QString::fromUtf8(TestSupport::readFile(path));
}

class TSequence
{
public:
    explicit TSequence(unsigned seed)
        : m_random(seed)
    {
        QDir().mkpath(m_host.path(QString()));
        // Some files are there before the first step.
        for (const QString &name : {QStringLiteral("a.txt"), QStringLiteral("b.php"), QStringLiteral("e.rtf")}) {
            const QString text = QStringLiteral("Anfang von %1\n").arg(name);
            m_host.write(name, text.toUtf8());
            m_saved[m_host.path(name)] = text;
        }
    }

    void run(int steps)
    {
        for (int step = 0; step < steps; ++step) {
            const int action = pick(10);
            switch (action) {
            case 0: newDocument(); break;
            case 1: case 2: openFile(); break;
            case 3: case 4: edit(); break;
            case 5: save(); break;
            case 6: case 7: saveAs(); break;
            case 8: exchange(); break;
            default: close(); break;
            }
            checkDocuments(step, action);
            if (::testing::Test::HasFailure())
                return;
        }
        checkFiles();
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    TVYRADocumentContainer &c() { return *m_host.container; }

    QString randomText()
    {
        static const QString letters = QStringLiteral("abcXYZ äöüß\n");
        QString text;
        const int length = 1 + pick(12);
        for (int i = 0; i < length; ++i)
            text += letters.at(pick(int(letters.size())));
        return text;
    }

    void waitForWorkers()
    {
        for (int i = 0; i < c().GetDocumentCount(); ++i)
            ASSERT_TRUE(QTest::qWaitFor([&] { return !m_host.code(i)->isReadOnly(); }, 5000));
    }

    void newDocument()
    {
        const int index = c().NewDocument();
        ASSERT_EQ(index, int(m_model.size()));
        m_model.push_back({m_host.doc(index), QString()});
    }

    void openFile()
    {
        const QString path = m_host.path(kPool.at(pick(int(kPool.size()))));
        if (!m_saved.contains(path))
            return;
        m_host.answers[evFileAlreadyOpen] = pick(2) == 0;
        const int before = c().GetDocumentCount();
        const TVYRALoadResult result = c().OpenDocument(path);
        waitForWorkers();
        if (result != lrSuccess) {
            ASSERT_EQ(c().GetDocumentCount(), before);
            return;
        }
        ++m_opened;
        if (c().GetDocumentCount() == before + 1) {
            m_model.push_back({m_host.doc(before), m_saved.value(path)});
            return;
        }
        ASSERT_EQ(c().GetDocumentCount(), before) << "an open adds one document or shows one again";
        // The first document that shows the file as an existing one was shown again.
        for (TModelDocument &entry : m_model) {
            if (entry.document->GetFileExists() && entry.document->GetFileName() == path) {
                entry.text = m_saved.value(path);
                break;
            }
        }
    }

    void edit()
    {
        if (m_model.empty())
            return;
        const int index = pick(int(m_model.size()));
        const QString text = randomText();
        m_host.type(index, text);
        m_model[size_t(index)].text += text;
    }

    void save()
    {
        if (m_model.empty())
            return;
        const int index = pick(int(m_model.size()));
        TVYRADocument *document = m_host.doc(index);
        const QString name = document->GetFileName();
        const bool wasModified = document->GetModified();
        const bool saved = c().SaveDocument(index);
        if (saved)
            m_saved[name] = m_model[size_t(index)].text;
        ASSERT_EQ(saved, wasModified && document->GetFileExists()) << name.toStdString();
    }

    void saveAs()
    {
        if (m_model.empty())
            return;
        const int index = pick(int(m_model.size()));
        const QString path = m_host.path(kPool.at(pick(int(kPool.size()))));
        TVYRADocument *document = m_host.doc(index);
        const bool unchanged = !document->GetModified() && document->GetFileExists()
            && document->GetFileName() == path;
        const bool saved = c().SaveDocument(index, path);
        ASSERT_EQ(saved, !unchanged) << path.toStdString();
        if (saved) {
            m_saved[path] = m_model[size_t(index)].text;
            EXPECT_EQ(document->GetFileName(), path);
            EXPECT_FALSE(document->GetModified());
        }
    }

    void exchange()
    {
        if (m_model.size() < 2)
            return;
        const int a = pick(int(m_model.size()));
        const int b = pick(int(m_model.size()));
        const bool exchanged = c().ExchangeDocument(a, b);
        ASSERT_EQ(exchanged, a != b);
        if (exchanged)
            std::swap(m_model[size_t(a)], m_model[size_t(b)]);
    }

    void close()
    {
        if (m_model.empty())
            return;
        const int index = pick(int(m_model.size()));
        c().CloseDocument(index);
        m_model.erase(m_model.begin() + index);
        TestContainerHost::flush();
    }

    void checkDocuments(int step, int action)
    {
        ASSERT_EQ(c().GetDocumentCount(), int(m_model.size())) << "step " << step << " action " << action;
        QSet<TVYRADocument *> seen;
        for (int i = 0; i < c().GetDocumentCount(); ++i) {
            ASSERT_EQ(m_host.doc(i), m_model[size_t(i)].document) << "step " << step << " index " << i;
            ASSERT_FALSE(seen.contains(m_host.doc(i))) << "a document listed twice";
            seen.insert(m_host.doc(i));
            ASSERT_EQ(m_host.code(i)->text(), m_model[size_t(i)].text) << "step " << step << " action " << action;
            ASSERT_EQ(c().ProjectOf(m_host.doc(i)), c().GetDefaultGroup());
        }
        ASSERT_EQ(c().GetDefaultGroup()->Root()->GetCount(), int(m_model.size()))
            << "one project entry per document";
    }

    void checkFiles()
    {
        // The sequence did reach what it is to test.
        EXPECT_GE(m_saved.size(), 4);
        EXPECT_GE(m_opened, 5);
        for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it)
            EXPECT_EQ(textOnDisk(it.key()), it.value()) << it.key().toStdString();
    }

    TestContainerHost m_host;
    std::mt19937 m_random;
    std::vector<TModelDocument> m_model;
    QHash<QString, QString> m_saved;
    int m_opened = 0;
};

} // namespace

TEST(DocumentContainerSequence, RandomSequencesLoseNothingAndWriteWhatWasSaved)
{
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 17u, 2026u}) {
        SCOPED_TRACE(seed);
        TSequence sequence(seed);
        sequence.run(200);
        if (HasFailure())
            return;
    }
}
