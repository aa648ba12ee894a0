#include "ciphers/TPasswordDlg.h"

#include "languages/TLanguageManager.h"
#include "ui/TPrompter.h"
#include "utils/FileUtils.h"
#include "utils/Hashes.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMutex>
#include <QProgressBar>
#include <QPushButton>

namespace {

QMutex g_requesterMutex;
TPasswordDlg::Requester &requester()
{
    static TPasswordDlg::Requester instance = TPasswordDlg::PrompterRequester();
    return instance;
}

QLabel *namedLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel *boldLabel(const QString &text, const QString &name, QWidget *parent)
{
    QLabel *label = namedLabel(text, name, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

TPasswordDlg::TPasswordDlg(TPasswordLayout layout, const QString &fileName, QWidget *parent)
    : QDialog(parent)
    , m_rules(layout)
    , m_password(new QLineEdit(this))
    , m_repeat(new QLineEdit(this))
    , m_repeatLabel(namedLabel(QStringLiteral("Passwort wiederholen:"), QStringLiteral("lbWiederholen"), this))
    , m_mismatch(boldLabel(QStringLiteral("Passwörter ungleich!"), QStringLiteral("lbUngleich"), this))
    , m_unstorable(namedLabel(TPasswordDlgRules::UnstorableText(), QStringLiteral("lbNichtSpeicherbar"), this))
    , m_quality(namedLabel(QString(), QStringLiteral("lbQualitaet"), this))
    , m_gauge(new QProgressBar(this))
    , m_ok(nullptr)
{
    setObjectName(QStringLiteral("TPASSWORDDLG"));
    setWindowTitle(QStringLiteral("Talvex - Passworteingabe"));
    auto *grid = new QGridLayout(this);
    auto *hint = new QLabel(m_rules.HintText(), this);
    hint->setWordWrap(true);
    grid->addWidget(hint, 0, 0, 1, 2);
    grid->addWidget(boldLabel(QStringLiteral("Dokument:"), QStringLiteral("lbDokumentTitel"), this), 1, 0);
    auto *document = new QLabel(ExtractFileName(fileName), this);
    document->setObjectName(QStringLiteral("lbDokument"));
    grid->addWidget(document, 1, 1);
    QLabel *passwordLabel = namedLabel(QStringLiteral("Passwort eingeben:"), QStringLiteral("lbPasswort"), this);
    passwordLabel->setBuddy(m_password);
    m_repeatLabel->setBuddy(m_repeat);
    m_password->setObjectName(QStringLiteral("edPasswort"));
    m_repeat->setObjectName(QStringLiteral("edWiederholen"));
    m_gauge->setObjectName(QStringLiteral("pbQualitaet"));
    grid->addWidget(passwordLabel, 2, 0);
    grid->addWidget(m_password, 2, 1);
    grid->addWidget(m_repeatLabel, 3, 0);
    grid->addWidget(m_repeat, 3, 1);
    m_mismatch->setToolTip(QStringLiteral("Eingegebenes und wiederholtes Passwort müssen übereinstimmen."));
    grid->addWidget(m_mismatch, 4, 0, 1, 2);
    grid->addWidget(m_unstorable, 5, 0, 1, 2);
    m_quality->setToolTip(QStringLiteral("Die Anzeige stellt einen Indikator für die Qualität und somit für die "
                                         "Sicherheit des gewählten Passwortes dar."));
    grid->addWidget(m_quality, 6, 0, 1, 2);
    m_gauge->setRange(0, 100);
    m_gauge->setTextVisible(false);
    grid->addWidget(m_gauge, 7, 0, 1, 2);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(QStringLiteral("OK"));
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_ok->setDefault(true);
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setText(QStringLiteral("Abbrechen"));
    cancel->setObjectName(QStringLiteral("btnAbbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 8, 0, 1, 2);

    for (QLineEdit *edit : {m_password, m_repeat}) {
        edit->setEchoMode(QLineEdit::Password);
        connect(edit, &QLineEdit::textChanged, this, &TPasswordDlg::TextsChanged);
    }
    m_password->setMinimumWidth(m_rules.PasswordEditWidth());
    m_repeat->setVisible(m_rules.RepeatVisible());
    m_repeatLabel->setVisible(m_rules.RepeatVisible());
    // In the enter layout the gauge stays out of sight.
    m_quality->setVisible(m_rules.RepeatVisible());
    m_gauge->setVisible(m_rules.RepeatVisible());
    TLanguageManager::TranslateNewForm(this);
    TextsChanged();
}

QString TPasswordDlg::Password() const { return m_password->text(); }

void TPasswordDlg::TextsChanged()
{
    m_rules.SetTexts(m_password->text(), m_repeat->text());
    m_mismatch->setVisible(m_rules.MismatchVisible());
    m_unstorable->setVisible(m_rules.UnstorableVisible());
    m_ok->setEnabled(m_rules.OkEnabled());
    m_quality->setText(m_rules.QualityLabel());
    m_gauge->setValue(m_rules.QualityPercent());
    QPalette palette = m_gauge->palette();
    palette.setColor(QPalette::Highlight, m_rules.QualityColor());
    m_gauge->setPalette(palette);
}

TPasswordDlg::Requester TPasswordDlg::DialogRequester()
{
    return [](TPasswordLayout layout, const QString &fileName) -> std::optional<QString> {
        TPasswordDlg dialog(layout, fileName);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.Password();
    };
}

TPasswordDlg::Requester TPasswordDlg::PrompterRequester()
{
    return [](TPasswordLayout layout, const QString &fileName) -> std::optional<QString> {
        const TPasswordDlgRules rules(layout);
        TPrompt prompt;
        prompt.kind = TPrompt::Kind::Password;
        prompt.caption = QStringLiteral("Talvex - Passworteingabe");
        prompt.text = rules.HintText() + QStringLiteral("\n\nDokument: ") + ExtractFileName(fileName);
        prompt.buttons = TPromptButton::Ok | TPromptButton::Cancel;
        return TPrompter::instance().password(prompt);
    };
}

void TPasswordDlg::SetRequester(Requester value)
{
    QMutexLocker lock(&g_requesterMutex);
    requester() = value ? std::move(value) : PrompterRequester();
}

std::optional<QString> TPasswordDlg::Ask(TPasswordLayout layout, const QString &fileName)
{
    Requester ask;
    {
        QMutexLocker lock(&g_requesterMutex);
        ask = requester();
    }
    const std::optional<QString> typed = ask(layout, fileName);
    if (!typed)
        return std::nullopt;
    const QString key = SHA_Hash(*typed);
    // A password that cannot be hashed cannot protect anything: treated as cancelled.
    if (key.isEmpty()) {
        TPrompter::instance().error(TPasswordDlgRules::UnstorableText());
        return std::nullopt;
    }
    return key;
}

std::optional<QString> TPasswordDlg::GetPassword(const QString &fileName)
{
    return Ask(TPasswordLayout::plEnter, fileName);
}

std::optional<QString> TPasswordDlg::SetPassword(const QString &fileName)
{
    return Ask(TPasswordLayout::plDefine, fileName);
}

TPasswordPromptResult TPasswordDlg::PromptPassword(const QString &fileName, const QString &stored, bool hashed,
                                                   QString &entered)
{
    entered.clear();
    const std::optional<QString> key = GetPassword(fileName);
    if (!key)
        return TPasswordPromptResult::ppCancelled;
    entered = *key;
    const QString compared = hashed ? SHA_Hash(entered) : entered;
    return compared.compare(stored, Qt::CaseInsensitive) == 0 ? TPasswordPromptResult::ppMatch
                                                               : TPasswordPromptResult::ppMismatch;
}
