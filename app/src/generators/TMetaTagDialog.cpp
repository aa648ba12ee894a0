#include "generators/TMetaTagDialog.h"
#include "generators/TInsertButtons.h"

#include "generators/TLangCountryAbbr.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const FieldLabels[5] = {"Autor:", "Herausgeber:", "Copyright:", "Schlüsselwörter:", "Beschreibung:"};
const char *const FieldNames[5] = {"edtAuthor", "edtPublisher", "edtCopyright", "edtKeywords", "edtDescription"};

QComboBox *comboBox(const char *name, const QStringList &items)
{
    auto *box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    return box;
}

} // namespace

TMetaTagDialog::TMetaTagDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Talvex Studio - META-Tag Generator"));
    setObjectName(QStringLiteral("TMetaTagDialog"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    for (int i = 0; i < 5; ++i) {
        m_fields[i] = new QLineEdit;
        m_fields[i]->setObjectName(QLatin1String(FieldNames[i]));
        form->addRow(QString::fromUtf8(FieldLabels[i]), m_fields[i]);
    }
    QStringList languages;
    for (const TLangCountryAbbr::TEntry &entry : TLangCountryAbbr::Languages())
        languages << entry.Name();
    QStringList countries = {QStringLiteral("(keine Auwahl)")};
    for (const TLangCountryAbbr::TEntry &entry : TLangCountryAbbr::Countries())
        countries << entry.Name();
    m_language = comboBox("cbLanguage", languages);
    m_country = comboBox("cbCountry", countries);
    m_indexing = comboBox("cbIndexing", {QStringLiteral("Seite indizieren, Links verfolgen"),
                                         QStringLiteral("Seite indizieren, keine Links verfolgen"),
                                         QStringLiteral("Seite nicht indizieren, Links verfolgen"),
                                         QStringLiteral("Seite nicht indizieren, Links nicht verfolgen")});
    m_revisit = comboBox("cbRevisit", {QStringLiteral("2 days"), QStringLiteral("5 days"), QStringLiteral("7 days"),
                                       QStringLiteral("10 days"), QStringLiteral("14 days"), QStringLiteral("21 days"),
                                       QStringLiteral("30 days"), QStringLiteral("no")});
    m_revisit->setEditable(true);
    m_cache = comboBox("cbCache", {QStringLiteral("Standard Cache-Verhalten"),
                                   QStringLiteral("Kein Cachen, Originalseite laden")});
    form->addRow(QStringLiteral("Sprache:"), m_language);
    form->addRow(QStringLiteral("Land:"), m_country);
    form->addRow(QStringLiteral("Indizierung:"), m_indexing);
    form->addRow(QStringLiteral("Wiederbesuch nach:"), m_revisit);
    form->addRow(QStringLiteral("Cache:"), m_cache);
    layout->addLayout(form);
    AddInsertButtons(*this, *layout);
    SetOptions(TMetaTagOptions());
}

void TMetaTagDialog::SetOptions(const TMetaTagOptions &o)
{
    m_fixed = o;
    const QString *values[5] = {&o.author, &o.publisher, &o.copyright, &o.keywords, &o.description};
    for (int i = 0; i < 5; ++i)
        m_fields[i]->setText(*values[i]);
    const int language = TLangCountryAbbr::LanguageIndex(o.languageCode);
    m_language->setCurrentIndex(language >= 0 ? language : TLangCountryAbbr::LanguageIndex(QStringLiteral("de")));
    m_country->setCurrentIndex(TLangCountryAbbr::CountryIndex(o.countryCode) + 1);
    m_indexing->setCurrentIndex(o.indexing);
    m_revisit->setCurrentText(o.revisit);
    m_cache->setCurrentIndex(o.noCache ? 1 : 0);
}

TMetaTagOptions TMetaTagDialog::Options() const
{
    TMetaTagOptions o = m_fixed;
    QString *values[5] = {&o.author, &o.publisher, &o.copyright, &o.keywords, &o.description};
    for (int i = 0; i < 5; ++i)
        *values[i] = m_fields[i]->text();
    o.languageCode = QLatin1String(TLangCountryAbbr::Languages()[size_t(m_language->currentIndex())].code);
    o.countryCode = m_country->currentIndex() > 0
        ? QLatin1String(TLangCountryAbbr::Countries()[size_t(m_country->currentIndex() - 1)].code)
        : QString();
    o.indexing = m_indexing->currentIndex();
    o.revisit = m_revisit->currentText();
    o.noCache = m_cache->currentIndex() == 1;
    return o;
}

std::optional<TMetaTagOptions> TMetaTagDialog::Execute(QWidget *parent, const TMetaTagOptions &start)
{
    TMetaTagDialog dialog(parent);
    dialog.SetOptions(start);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Options();
}
