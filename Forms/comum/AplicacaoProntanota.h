#pragma once
// The application object of the programs. Every event of every window passes through
// notify(): a database error that no window handled ends there, shown as the database's own
// message through the message service, and the program goes on with the next event.
// Windows need no guard of their own; they catch only the errors they answer differently.

#include <QApplication>

class AplicacaoProntanota : public QApplication {
    Q_OBJECT
public:
    AplicacaoProntanota(int &argc, char **argv);

    bool notify(QObject *receptor, QEvent *evento) override;
};
