# Precompiled Qt headers shared by every library: most of the build time is Qt's headers.
function(pn_precompila alvo)
  target_precompile_headers(${alvo} PRIVATE
    <QtCore/QString> <QtCore/QStringList> <QtCore/QVariant> <QtCore/QDate>
    <QtCore/QByteArray> <QtCore/QList> <QtCore/QHash> <QtCore/QObject>
    <QtWidgets/QWidget> <QtWidgets/QLineEdit> <QtWidgets/QPushButton>
    <QtWidgets/QLabel> <QtWidgets/QDialog> <QtWidgets/QMainWindow>
    <QtGui/QImage> <QtGui/QKeyEvent> <vector> <string> <memory> <functional>)
endfunction()
