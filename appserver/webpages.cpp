#include "appserver/webpages.h"

namespace appserver {

namespace {
QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}
} // namespace

QByteArray setupProgram()
{
    // A shell script stands in for the Windows installer of the demo; it changes nothing.
    return QByteArrayLiteral("#!/bin/sh\n"
                             "# Ravla Filter B2B demo setup\n"
                             "echo \"Ravla Filter B2B: demo kurulumu, yapilacak bir sey yok ($*)\"\n"
                             "exit 0\n");
}

QString requestFormPage(const QString &carino, const QString &kullanici, const QString &id)
{
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"tr\"><head><meta charset=\"utf-8\">"
               "<title>Ravla Filtre - Bayi İstek Formu</title>"
               "<style>body{font-family:sans-serif;margin:24px;color:#434c58}label{display:block;margin-top:"
               "8px}"
               "input,textarea{width:360px}</style></head><body>"
               "<h2>Ravla Filtre B2B İstek Formu</h2>"
               "<p>Bilgisayarınız sistemimizde kayıtlı değil. Bilgilerinizi gönderin, sizi arayalım.</p>"
               "<form method=\"post\" action=\"formmailgonder.aspx\">"
               "<input type=\"hidden\" name=\"carino\" value=\"%1\">"
               "<input type=\"hidden\" name=\"id\" value=\"%3\">"
               "<label>Bilgisayar ID: <b>%3</b></label>"
               "<label>Firma Adı<input name=\"firmaadi\"></label>"
               "<label>Yetkili<input name=\"yetkili\"></label>"
               "<label>Kullanıcı<input name=\"kullanici\" value=\"%2\"></label>"
               "<label>Telefon<input name=\"telefon\"></label>"
               "<label>Mail<input name=\"mail\"></label>"
               "<label>Mesaj<textarea name=\"mesaj\" rows=\"4\"></textarea></label>"
               "<p><button type=\"submit\">Gönder</button></p></form></body></html>\n")
        .arg(escaped(carino), escaped(kullanici), escaped(id));
}

QString requestThanksPage()
{
    return QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"tr\"><head><meta charset=\"utf-8\">"
        "<title>Ravla Filtre</title></head><body style=\"font-family:sans-serif;margin:24px\">"
        "<h2>Talebiniz alındı</h2><p>En kısa sürede sizinle iletişime geçeceğiz.</p>"
        "</body></html>\n");
}

} // namespace appserver
