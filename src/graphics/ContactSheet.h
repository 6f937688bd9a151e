#pragma once

#include "graphics/ItemGraphic.h"

#include <QImage>
#include <QString>

#include <vector>

class ItemTable;

// Every graphic item of a project on one picture, for looking over a project
// without opening each graphic.
namespace contactsheet {

struct Entry
{
    qsizetype item = 0; // item number, from 0, as the item table shows it
    QString fullName;
    graphics::ItemGraphic graphic;
};

// The graphic items ("G") of the table in table order, each file read from the
// project folder (given with its trailing separator).
std::vector<Entry> collect(const ItemTable &items, const QString &folder);

struct Sheet
{
    QImage image;
    QString error; // empty when the image was drawn
};

// Draws the entries in rows under a title line: each graphic three pixels a
// dot, framed, with its item number, full name and size (or why it is missing)
// below it. Text needs fonts: call with a QGuiApplication in place (the
// offscreen platform will do).
Sheet draw(const QString &title, const std::vector<Entry> &entries);

} // namespace contactsheet
