// The parallel port library over the fake, and the ppdev backend's mapping of
// addresses to ports, against a made-up /proc and /dev in a temp folder.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

#include "FakeParallelPorts.h"
#include "PpdevParallelPorts.h"

using namespace tamberlo;
namespace fs = std::filesystem;

namespace {
void writeFile(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << text;
}
std::string readFile(const fs::path& p) {
    std::ifstream in(p);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

TEST(ParallelPorts, CallsReachTheInstalledPortsWithTheirAddresses) {
    FakeParallelPorts fake;
    SetParallelPortBackend(&fake);
    fake.registers[0x379] = 0x78;
    Out32(0x378, 5);
    Out32(0x278, 0x1FF);  // only the low byte reaches the port
    EXPECT_EQ(Inp32(0x379), 0x78);
    EXPECT_EQ(Inp32(0x279), 255);  // an unset register reads as "no input"
    // 16-bit addresses from 0x8000 up arrive as negative numbers.
    Out32(static_cast<std::int16_t>(0xC001), 1);
    EXPECT_EQ(fake.log, (std::vector<std::string>{"Out32(0x378,5)", "Out32(0x278,255)", "Inp32(0x379)", "Inp32(0x279)",
                                                  "Out32(0xC001,1)"}));
    EXPECT_EQ(fake.written[0x378], 5);
    SetParallelPortBackend(nullptr);
}

TEST(ParallelPorts, BaseAddressesAreReadFromTheKernelsPortList) {
    QTemporaryDir tmp;
    fs::path proc = tmp.path().toStdString();
    writeFile(proc / "parport0" / "base-addr", "888\t1912\n");
    writeFile(proc / "parport1" / "base-addr", "632\n");
    writeFile(proc / "parport2" / "base-addr", "garbage\n");
    writeFile(proc / "parportx" / "base-addr", "956\n");
    writeFile(proc / "default" / "spintime", "500\n");
    auto bases = ReadParportBases(proc);
    EXPECT_EQ(bases, (std::map<std::uint16_t, int>{{0x378, 0}, {0x278, 1}}));
    EXPECT_TRUE(ReadParportBases(proc / "missing").empty());
}

TEST(ParallelPorts, AddressesWithoutAUsablePortAreNeverTouched) {
    QTemporaryDir tmp;
    fs::path root = tmp.path().toStdString();
    writeFile(root / "proc" / "parport0" / "base-addr", "888\t1912\n");
    // A plain file where the device node would be: it opens but cannot be
    // claimed as a port, so nothing is ever written to it.
    writeFile(root / "dev" / "parport0", "");
    writeFile(root / "dev" / "parport1", "");
    PpdevParallelPorts ports(root / "proc", root / "dev");
    ports.Out32(0x378, 0x55);
    ports.Out32(0x278, 0x55);
    EXPECT_EQ(ports.Inp32(0x379), 255);
    EXPECT_EQ(ports.Inp32(0x3BD), 255);
    EXPECT_EQ(readFile(root / "dev" / "parport0"), "");
    EXPECT_EQ(readFile(root / "dev" / "parport1"), "");
}

TEST(ParallelPorts, PortsOfThisMachineAnswerWithoutFailing) {
    PpdevParallelPorts ports;
    // Addresses no PC port uses: dropped and read as "no input".
    ports.Out32(0x1230, 0);
    EXPECT_EQ(ports.Inp32(0x1231), 255);
}
