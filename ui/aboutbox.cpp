#include "ui/aboutbox.h"

#include <string>

namespace ornal {

Message AboutMessage(std::string_view version)
{
    const std::string_view host = kMakerAddress.substr(kMakerAddress.find("://") + 3);
    std::string text = "-- Programme Ornal version " + std::string(version) + "--";
    text += "\r\r";
    text += "Petit système réducteur sans prétention mais qui peut être utile.";
    text += "\r";
    text += "Galopia";
    text += "\r\r";
    text += "Rendez-vous sur notre site : " + std::string(host);
    return Message { text, MessageIcon::None, std::string(kApplicationTitle) };
}

} // namespace ornal
