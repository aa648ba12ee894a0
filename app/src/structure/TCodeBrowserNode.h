#pragma once

#include <QList>
#include <QString>

// One node of the code browser tree: its caption, the 0-based character
// offset of the entity (-1 for group and message nodes) and its image
// (-1 for none).
struct TCodeBrowserNode
{
    QString Text;
    int Offset = -1;
    int ImageIndex = -1;
    QList<TCodeBrowserNode> Children;

    static constexpr int ClassImage = 94;

    TCodeBrowserNode &Add(const QString &text, int offset = -1, int imageIndex = -1)
    {
        Children.append(TCodeBrowserNode{text, offset, imageIndex, {}});
        return Children.last();
    }
};
