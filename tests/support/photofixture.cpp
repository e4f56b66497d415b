#include "photofixture.h"

#include <QClipboard>
#include <QGuiApplication>

QImage patternPicture(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x + seed) % 256, (y * 3 + seed) % 256, (x ^ y) % 256));
    return image;
}

void setClipboardPicture(const QImage& image)
{
    if (image.isNull())
        QGuiApplication::clipboard()->clear();
    else
        QGuiApplication::clipboard()->setImage(image);
}

SimFolder& PhotoFixture::folder(bool withPilots, bool withQel)
{
    if (!m_folder)
        m_folder.emplace(withPilots, withQel);
    return *m_folder;
}

const PhotoControls& PhotoFixture::start()
{
    m_window = startedPhotoWindow();
    return m_ui.emplace(*m_window);
}

const PhotoControls& PhotoFixture::startWith(const QImage& capture)
{
    setClipboardPicture(capture);
    return start();
}

void PhotoFixture::cleanup()
{
    m_ui.reset();
    m_window.reset();
    m_folder.reset();
}
