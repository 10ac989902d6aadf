#include "CellTexts.h"

#include "LanguageText.h"

namespace tamberlo {

std::optional<QString> variableLetter(int n) {
    const int code = 64 + n;
    if (!celltext::between(code, 0, 255)) return std::nullopt;
    return QString(QChar(code));
}

QString portAddressText(Long address) { return QString::number(static_cast<std::uint32_t>(address), 16).toUpper(); }

namespace celltext {

std::optional<QString> interfaceText(int code, int network, bool english, bool smallCard) {
    if (network != 0 && network != 1) return std::nullopt;
    const bool viaNetwork = network == 1;
    if (isVellemanDigital(code) || isVellemanAnalog(code)) {
        if (viaNetwork) return T(english, "Netw. Vell. Kaart Nr.", smallCard ? "Netw. Vell. card Nr." : "Netw. Vell. Card Nr.");
        return T(english, "Velleman. Kaart Nr.", smallCard ? "Velleman. card Nr." : "Velleman. Card Nr.");
    }
    if (isParallelPort(code))
        return viaNetwork ? T(english, "Netw. Par. Poort Nr.", "Netw. Par. Port Nr.")
                          : T(english, "Parallelle Poort Nr.", "Parallel. Port Nr.");
    if (isKelvanor(code)) return QString::fromLatin1(viaNetwork ? "Netw. Brask Ember USB" : "Brask Ember USB");
    if (isArduino(code)) return QString::fromLatin1(viaNetwork ? "Netw. Arduino" : "Arduino");
    return std::nullopt;
}

std::optional<QString> interfaceNumberText(int code, const std::array<Long, 3>& ports) {
    if (isVellemanDigital(code)) return QString::number(code - 10);
    if (isVellemanAnalog(code)) return QString::number(code - 20);
    if (isParallelPort(code)) return portAddressText(ports[static_cast<std::size_t>(code - 31)]);
    if (isKelvanor(code)) return QString::number(code - 40);
    if (isArduino(code)) return QStringLiteral("0");
    return std::nullopt;
}

}  // namespace celltext
}  // namespace tamberlo
