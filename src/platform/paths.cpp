#include "platform/paths.h"

#include <algorithm>

PathStyle NativePathStyle()
{
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

QChar Separator(PathStyle style)
{
    return style == PathStyle::Windows ? u'\\' : u'/';
}

bool IsSeparator(QChar c, PathStyle style)
{
    return c == u'\\' || (style == PathStyle::Posix && c == u'/');
}

bool IsFullPath(const QString& path, PathStyle style)
{
    if (path.contains(u':'))
        return true;
    return style == PathStyle::Posix && path.startsWith(u'/');
}

namespace {

bool StartsWithParentStep(const QString& path, PathStyle style)
{
    return path.startsWith(u"..") && path.size() >= 3 && IsSeparator(path.at(2), style);
}

} // namespace

QString ResolveRelativePath(QString path, QString base, PathStyle style)
{
    while (StartsWithParentStep(path, style)) {
        // Search from the next-to-last character back to the first one.
        for (qsizetype i = base.size() - 2; i >= 0; --i) {
            if (IsSeparator(base.at(i), style)) {
                base.truncate(i + 1);
                break;
            }
        }
        path.remove(0, 3);
    }
    return base + path;
}

QString JoinPath(const QString& folder, const QString& name, PathStyle style)
{
    return folder + Separator(style) + name;
}

QString LastPathComponent(const QString& path, PathStyle style)
{
    const auto separator =
        std::find_if(path.crbegin(), path.crend(), [style](QChar c) { return IsSeparator(c, style); });
    return path.last(separator - path.crbegin());
}

QString ToNativePath(const QString& path, PathStyle style)
{
    if (style == PathStyle::Windows)
        return path;
    QString native = path;
    native.replace(u'\\', u'/');
    return native;
}
