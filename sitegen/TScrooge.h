#pragma once

#include "EQuorvisError.h"

#include <QObject>
#include <QString>

// Raised when a text handed to the converter is not rich text at all. Callers keep
// the text unchanged when they get it.
class EScroogeError : public EQuorvisError
{
public:
    using EQuorvisError::EQuorvisError;
};

// Turns a rich text (RTF) description into an HTML fragment for the generated site.
//
// One pass over the text, linear in its length. Groups are followed so that the
// parts of a document that are not its text (font, colour and style tables, document
// information, pictures, field instructions, ignorable destinations) stay out of the
// page, and character formatting switched on inside a group ends with the group.
// Bytes given by code are read in the code page of their font's character set,
// else of the document. Tables become HTML tables, list labels open bulleted or
// numbered lists, footnotes are gathered after the text and text boxes kept in
// place. Every character placed in the HTML is escaped for HTML; characters 160
// to 255 are written as named entities.
class TScrooge : public QObject
{
    Q_OBJECT

public:
    explicit TScrooge(QObject* owner = nullptr);
    ~TScrooge() override;

    // Throws EScroogeError with HeaderMissingMessage() unless the text begins with
    // "{\rtf1". A document cut short converts as far as it goes.
    QString RtfToHtml(const QString& rtf) const;

    static QString HeaderMissingMessage();
};
