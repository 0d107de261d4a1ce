// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PAGELAYOUT_H
#define PAGELAYOUT_H

#include "gui/print/linewalker.h"
#include "gui/print/printsource.h"

#include <QElapsedTimer>
#include <QVector>
#include <memory>

class QPainter;
class QPaintDevice;
class QTextLayout;
class QTextLine;

// Lines as QTextLayout breaks them at a width, on a device.
class QtLineWalker : public LineWalker
{
public:
    QtLineWalker(const QString &text, const PageSetup &setup, QPaintDevice *device, qreal width);
    ~QtLineWalker() override;

    QTextLine current() const;
    // Lays lines out so that the print preview's pictures keep them as they are.
    void setForPreview(bool preview) { m_forPreview = preview; }

protected:
    int layOut(int from, int to, bool rightToLeft) override;
    int lineOffset(int line) const override;

private:
    const QFont m_font;
    QPaintDevice *const m_device;
    const qreal m_width;
    std::unique_ptr<QTextLayout> m_layout;
    bool m_forPreview = false;
};

// The document's pages as Qt lays them out on a printer: first counted, a slice at a time so
// that the window stays responsive, then drawn one by one.
class PageLayout
{
public:
    PageLayout(const PrintSource &source, const PageSetup &setup, QPaintDevice *device);
    ~PageLayout();

    // Lays lines out for about this long, noting where each page starts; true once all are.
    bool paginate(int msecs);
    // The pages counted so far: all of them once paginate() returned true.
    int pageCount() const { return m_pages.size(); }
    // How far the count has come through the text.
    int paginated() const { return m_paginated; }
    int textLength() const { return m_source.text.size(); }

    // Draws a page's header, lines and footer on a painter of the device, whose origin is the
    // paper's top left corner. Pages in order are drawn fastest.
    void drawPage(QPainter *painter, int page, const QString &footer);

    // Lays the pages out for the print preview, which records them as pictures; before any
    // page is counted.
    void setForPreview(bool preview) { m_forPreview = preview; }

private:
    struct PageStart {
        int paragraph;
        int line;
    };

    void drawCentered(QPainter *painter, const QString &text, const QRectF &box) const;

    const PrintSource m_source;
    const PageSetup m_setup;
    QPaintDevice *const m_device;
    const qreal m_perPoint;
    QVector<PageStart> m_pages;
    std::unique_ptr<QtLineWalker> m_counter;
    int m_counted = 0;
    int m_paginated = 0;
    bool m_done = false;
    // The walk that drew the last page, which the next one takes up.
    std::unique_ptr<QtLineWalker> m_drawer;
    int m_drawerPage = -1;
    bool m_forPreview = false;
};

#endif
