#include "plugins/TVYRADefaultPlugin.h"

TVYRADefaultPlugin::TVYRADefaultPlugin(const QString &name, const QString &author, const QString &comment,
                                       double version)
    : TVYRAInterfaceObject(IID_IPlugin)
    , m_name(name)
    , m_author(author)
    , m_comment(comment)
    , m_version(version)
{
}
