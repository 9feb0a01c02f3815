#include "TResourceSchemeHandler.h"

#include "TGlobalResourceManager.h"
#include "THomePageDispatch.h"

#include <QBuffer>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

void TResourceSchemeHandler::RegisterScheme()
{
    if (QWebEngineUrlScheme::schemeByName(Scheme).name() == Scheme)
        return;
    QWebEngineUrlScheme scheme(Scheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

void TResourceSchemeHandler::InstallOn(QWebEngineProfile* profile)
{
    if (!profile)
        profile = QWebEngineProfile::defaultProfile();
    if (profile->urlSchemeHandler(Scheme))
        return;
    profile->installUrlSchemeHandler(Scheme, new TResourceSchemeHandler(profile));
}

TResourceSchemeHandler::TResourceSchemeHandler(QObject* parent)
    : QWebEngineUrlSchemeHandler(parent)
{
}

void TResourceSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job)
{
    // Only names are looked up, in the library loaded now; the folder part of
    // the address is what the library's page address carries and is not trusted.
    const QString name = THomePageDispatch::FileNamePart(job->requestUrl());
    QByteArray mime;
    const QByteArray bytes = TGlobalResourceManager::Instance().ResourceBytes(name, &mime);
    if (bytes.isEmpty()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    if (mime == "text/html")
        mime = "text/html;charset=utf-8";
    auto* buffer = new QBuffer(job);
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    job->reply(mime, buffer);
}
