// The in-app text window: a lesson's companion text, shown beside the board
// where the lesson asks for it.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace kolmar {

class FenetreTexte : public QWidget {
    Q_OBJECT
   public:
    explicit FenetreTexte(QWidget* parent = nullptr);
    // Shows t under the title and brings the window up.
    void montrer(const QString& titre, const QString& t);
    QString texte() const;

   private:
    QPlainTextEdit* Memo = nullptr;
};

}  // namespace kolmar
