#pragma once
// The banner across the top of the reference pages: the emblem with the German flag
// at the left, optionally the maker's logo in the middle, the trophy at the right.

#include <QWidget>

class PageBanner : public QWidget {
    Q_OBJECT
public:
    PageBanner(bool withMakerLogo, QWidget *parent = nullptr);
    static constexpr int kHeight = 80;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_logo;
};
