#pragma once

#include "vyra_export.h"
#include "VYRAPluginInterfaces.h"
#include "plugins/TVYRAInterfaceObject.h"

#include <QString>

// The IPlugin the host shows for a module without one of its own: the
// foreign conventions and every module that failed to load.
class VYRA_EXPORT TVYRADefaultPlugin final : public TVYRAInterfaceObject<IPlugin>
{
public:
    TVYRADefaultPlugin(const QString &name, const QString &author, const QString &comment, double version);

    const char16_t *GetName() override { return text(m_name); }
    const char16_t *GetAuthor() override { return text(m_author); }
    const char16_t *GetComment() override { return text(m_comment); }
    TVYRABool EventHandler(int32_t) override { return VYRA_TRUE; }

    double GetInterfaceVersion() const { return m_version; }
    const QString &GetNameText() const { return m_name; }
    const QString &GetAuthorText() const { return m_author; }
    const QString &GetCommentText() const { return m_comment; }
    void SetName(const QString &name) { m_name = name; }
    void SetAuthor(const QString &author) { m_author = author; }
    void SetComment(const QString &comment) { m_comment = comment; }
    void SetInterfaceVersion(double version) { m_version = version; }

private:
    static const char16_t *text(const QString &value) { return reinterpret_cast<const char16_t *>(value.utf16()); }

    QString m_name;
    QString m_author;
    QString m_comment;
    double m_version;
};
