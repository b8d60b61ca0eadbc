#include "shell/document_names.h"

#include "text/document_text.h"

#include <algorithm>

namespace wertan {

namespace {

// The folder names of a path from the nearest outwards; none for a path without a folder.
QStringList foldersOutwards(const QString& path) {
    QString p = isRemotePath(path) ? path.mid(kRemoteMarker.size()) : path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList parts = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (!parts.isEmpty()) parts.removeLast(); // the file's own name
    QStringList outwards;
    for (auto it = parts.crbegin(); it != parts.crend(); ++it)
        outwards << *it;
    return outwards;
}

// The last `depth` folders, outermost first: "x/a".
QString folderSuffix(const QStringList& outwards, int depth) {
    QStringList taken;
    for (int i = std::min<int>(depth, int(outwards.size())) - 1; i >= 0; --i)
        taken << outwards[i];
    return taken.join(QLatin1Char('/'));
}

} // namespace

QString distinctTabText(const QStringList& captions, const QStringList& paths, int index) {
    if (index < 0 || index >= captions.size()) return {};
    const QString& caption = captions[index];
    QList<int> same;
    for (int i = 0; i < captions.size(); ++i)
        if (i != index && captions[i] == caption) same << i;
    if (same.isEmpty()) return caption;
    const QStringList mine = foldersOutwards(paths.value(index));
    if (mine.isEmpty()) return caption;
    // The fewest folders that tell this document from every other of the same name.
    int depth = 1;
    for (; depth < mine.size(); ++depth) {
        bool distinct = true;
        for (int other : same)
            if (folderSuffix(foldersOutwards(paths.value(other)), depth) == folderSuffix(mine, depth))
                distinct = false;
        if (distinct) break;
    }
    return caption + QStringLiteral(" (") + folderSuffix(mine, depth) + QLatin1Char(')');
}

} // namespace wertan
