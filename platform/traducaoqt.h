#pragma once
// Qt's own dialogs (files, colours, printing, message boxes) in Portuguese of Portugal.
class QCoreApplication;

// Installs the program's pt-PT catalogue of Qt's texts over Qt's Brazilian one, which still
// answers for any text the program's dialogs never show. False when neither could be loaded.
bool InstalaTraducaoQt(QCoreApplication& aplicacao);
