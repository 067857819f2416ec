#pragma once

#include "text/KonverzeText.h"

#include <QAbstractScrollArea>
#include <QPointer>
#include <QTextDocument>

#include <vector>

class QTextLayout;

// The conversion dialog's read-only preview: a page's text as a conversion would make it,
// wrapped at the view's width. Only the lines in view are read from the page and converted,
// when they are drawn, so that showing a 16 MB page or switching the sets costs no more than
// a short one. The scroll bar counts pieces: a line, or a part of a long line that fits the
// view; near the bottom of the scroll bar the view shows the end of the text.
class TKonverzePreview : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit TKonverzePreview(QWidget *parent = nullptr);
    ~TKonverzePreview() override;

    // Shows the document's text converted by map, from its start. The document's lines are
    // read as they come into view; it must not be edited while shown (the dialog is modal).
    void ShowConverted(const QTextDocument *document, const KonverzeText::Map &map);
    // Shows nothing.
    void Clear();

    // The converted text of the pieces in view, top to bottom, each line that ends in view
    // followed by a line break.
    QString ShownText() const;
    // How many pieces the text is shown in (lines, long ones in parts).
    int PieceCount() const { return int(m_pieces.size()); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent *event) override;

private:
    struct Piece
    {
        int block;  // the document's block (line) number
        int offset; // where in the line the piece starts
        int length;
        bool endsLine;
    };
    struct Shown
    {
        int piece;
        int y;
    };

    void rebuildPieces();
    int pieceLength() const;
    void updateScrollRange();
    QString pieceText(int piece) const;
    // The layout of a piece wrapped at the view's width; its height in *height.
    std::unique_ptr<QTextLayout> layoutPiece(int piece, qreal *height) const;
    // The pieces drawn now and where, from the scroll position.
    std::vector<Shown> shownPieces(std::vector<std::unique_ptr<QTextLayout>> *layouts = nullptr) const;

    QPointer<const QTextDocument> m_document;
    int m_revision = -1;
    int m_length = 0; // pieceLength() the pieces were cut at
    KonverzeText::Map m_map;
    std::vector<Piece> m_pieces;
    // The last line read from the document: a long line is drawn piece by piece.
    mutable int m_cachedBlock = -1;
    mutable QString m_cachedText;
};
