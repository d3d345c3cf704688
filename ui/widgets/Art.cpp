#include "Art.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QHash<QString, QPixmap> &cache();
QHash<QString, QSvgRenderer *> &renderers();

// Pictures must go before the application does: a pixmap outliving it is an error.
void releaseAll()
{
    cache().clear();
    qDeleteAll(renderers());
    renderers().clear();
}

void releaseWithTheApplication()
{
    static bool registered = false;
    if (!registered) {
        registered = true;
        qAddPostRoutine(releaseAll);
    }
}

QHash<QString, QPixmap> &cache()
{
    static QHash<QString, QPixmap> pixmaps;
    return pixmaps;
}

QHash<QString, QSvgRenderer *> &renderers()
{
    static QHash<QString, QSvgRenderer *> loaded;
    return loaded;
}

QSvgRenderer *renderer(const QString &resource)
{
    releaseWithTheApplication();
    auto it = renderers().find(resource);
    if (it != renderers().end())
        return *it;
    auto *r = new QSvgRenderer(resource);
    if (!r->isValid()) {
        delete r;
        r = nullptr;
    }
    renderers().insert(resource, r);
    return r;
}

} // namespace

namespace Art {

QString artResource(const QString &name) { return QStringLiteral(":/art/%1.svg").arg(name); }

QString flagResource(const QString &flagKey)
{
    if (flagKey.isEmpty())
        return QString();
    const QString path = QStringLiteral(":/flags/%1.svg").arg(flagKey);
    return QFile::exists(path) ? path : QString();
}

QPixmap picture(const QString &resource, QSize logicalSize, qreal dpr)
{
    if (resource.isEmpty() || logicalSize.isEmpty())
        return QPixmap();
    const QSize device = (QSizeF(logicalSize) * dpr).toSize();
    const QString key = QStringLiteral("%1|%2x%3").arg(resource).arg(device.width()).arg(device.height());
    auto it = cache().constFind(key);
    if (it != cache().constEnd())
        return *it;
    QPixmap pm(device);
    pm.fill(Qt::transparent);
    if (QSvgRenderer *r = renderer(resource)) {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipRect(QRect(QPoint(0, 0), device));
        r->render(&p, QRectF(QPointF(0, 0), QSizeF(device)));
    }
    pm.setDevicePixelRatio(dpr);
    cache().insert(key, pm);
    return pm;
}

QPixmap flag(const QString &flagKey, QSize logicalSize, qreal dpr)
{
    return picture(flagResource(flagKey), logicalSize, dpr);
}

QPixmap recoloured(const QString &resource, const QList<std::pair<QString, QString>> &colours, const QString &key,
                   QSize logicalSize, qreal dpr)
{
    const QString name = QStringLiteral("recoloured:") + key;
    if (!renderers().contains(name)) {
        QFile f(resource);
        QByteArray svg = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        for (const auto &[from, to] : colours)
            svg.replace(from.toLatin1(), to.toLatin1());
        auto *r = new QSvgRenderer(svg);
        renderers().insert(name, r->isValid() ? r : (delete r, nullptr));
    }
    return picture(name, logicalSize, dpr);
}

void draw(QPainter &painter, const QString &resource, const QRectF &target)
{
    QSvgRenderer *r = resource.isEmpty() ? nullptr : renderer(resource);
    if (!r || target.isEmpty())
        return;
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    r->render(&painter, target);
    painter.restore();
}

void drawPodiumStep(QPainter &painter, const QRectF &step, const QColor &medal, qreal bandHeight)
{
    QLinearGradient g(step.topLeft(), step.bottomLeft());
    g.setColorAt(0, Palette::NightLight);
    g.setColorAt(1, Palette::NightDeep);
    painter.fillRect(step, g);
    painter.fillRect(QRectF(step.left(), step.top(), step.width(), bandHeight), medal);
}

QRect fitted(const QString &resource, const QRect &area)
{
    QSvgRenderer *r = renderer(resource);
    if (!r)
        return area;
    QSize size = r->defaultSize();
    size.scale(area.size(), Qt::KeepAspectRatio);
    return QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size);
}

int cachedCount() { return int(cache().size()); }

} // namespace Art
