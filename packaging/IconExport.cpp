// Writes the program's icon into a hicolor theme tree:
//   orvia-icon-export OUTDIR NAME  ->  OUTDIR/scalable/apps/NAME.svg, OUTDIR/<n>x<n>/apps/NAME.png
#include "common/AppIcon.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTDIR NAME\n", argv[0]);
        return 2;
    }
    const QString sOut = QString::fromLocal8Bit(argv[1]);
    const QString sName = QString::fromLocal8Bit(argv[2]);
    const auto fail = [](const QString &sPath) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sPath));
        return 1;
    };

    const QString sSvgFolder = sOut + QStringLiteral("/scalable/apps");
    QFile svg(sSvgFolder + QLatin1Char('/') + sName + QStringLiteral(".svg"));
    if (!QDir().mkpath(sSvgFolder) || !svg.open(QIODevice::WriteOnly) || svg.write(AppIconSvg(64)) < 0)
        return fail(svg.fileName());

    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString sFolder = sOut + QStringLiteral("/%1x%1/apps").arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        PaintAppIcon(painter, size);
        painter.end();
        const QString sPath = sFolder + QLatin1Char('/') + sName + QStringLiteral(".png");
        if (!QDir().mkpath(sFolder) || !image.save(sPath, "PNG"))
            return fail(sPath);
    }
    return 0;
}
