#pragma once

// A device that takes a given number of bytes and then refuses more, as a disk that fills up
// part-way through a save does.

#include <QIODevice>

class FullDevice : public QIODevice {
public:
    explicit FullDevice(qint64 room)
        : m_room(room)
    {
        open(QIODevice::WriteOnly);
    }
    qint64 taken() const { return m_taken; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override
    {
        if (m_taken + length > m_room)
            return -1;
        m_taken += length;
        return length;
    }

private:
    qint64 m_room;
    qint64 m_taken = 0;
};
