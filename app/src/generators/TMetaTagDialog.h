#pragma once

#include "generators/TMetaTagOptions.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;

// "Talvex Studio - META-Tag Generator".
class TMetaTagDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TMetaTagDialog(QWidget *parent = nullptr);

    // Charset and generator are kept from the options given.
    void SetOptions(const TMetaTagOptions &options);
    TMetaTagOptions Options() const;

    static std::optional<TMetaTagOptions> Execute(QWidget *parent, const TMetaTagOptions &start);

private:
    TMetaTagOptions m_fixed;
    QLineEdit *m_fields[5] = {};
    QComboBox *m_language = nullptr;
    QComboBox *m_country = nullptr;
    QComboBox *m_indexing = nullptr;
    QComboBox *m_revisit = nullptr;
    QComboBox *m_cache = nullptr;
};
