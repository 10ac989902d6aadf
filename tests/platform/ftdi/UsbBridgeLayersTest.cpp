// The USB bridge layers without hardware: the libftdi backend lists no
// device cleanly when there is none (or lists consistently when there is),
// location ids are stable and distinct, and the Silicon Labs default reports
// "device not found" with a count of 0.
#include "FtdiLibrary.h"
#include "LibFtdiBackend.h"
#include "SiLabsLibrary.h"

#include <gtest/gtest.h>

namespace tamberlo {
namespace {

TEST(FtdiBackend, ListsWithoutHardwareCleanly) {
    LibFtdiBackend backend;
    std::uint32_t count = 99;
    EXPECT_EQ(backend.createDeviceInfoList(count), FtdiOk);
    std::vector<FtdiDeviceInfo> list;
    EXPECT_EQ(backend.getDeviceInfoList(list), FtdiOk);
    EXPECT_EQ(list.size(), count);
    for (const auto& d : list) EXPECT_EQ(d.vendorId, FtdiVendorId);
    // Operations on a handle that was never opened fail, they do not crash.
    FtdiQueueStatus status;
    EXPECT_EQ(backend.getStatus(12345, status), FtdiInvalidHandle);
    EXPECT_EQ(backend.close(12345), FtdiInvalidHandle);
    FtdiHandle h = 7;
    EXPECT_NE(backend.open(int(count), h), FtdiOk);
    EXPECT_EQ(h, 0u);
}

TEST(FtdiBackend, LocationIdEncodesBusAndPortPath) {
    const std::uint8_t a[] = {1, 4};
    const std::uint8_t b[] = {4, 1};
    const std::uint8_t deep[] = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(FtdiLocationId(2, a, 2), 0x02140000u);
    EXPECT_NE(FtdiLocationId(2, a, 2), FtdiLocationId(2, b, 2));
    EXPECT_NE(FtdiLocationId(1, a, 2), FtdiLocationId(2, a, 2));
    EXPECT_EQ(FtdiLocationId(3, deep, 7), 0x03123456u);
    const std::uint8_t wide[] = {20};
    EXPECT_EQ(FtdiLocationId(1, wide, 1), 0x01F00000u);
    EXPECT_NE(FtdiLocationId(0, nullptr, 0), 0u);
}

TEST(SiLabsDefault, ReportsNoDevice) {
    SiLabsLibrary& lib = siLabsLibrary();
    std::uint32_t count = 5;
    EXPECT_EQ(lib.getNumDevices(count), SiLabsDeviceNotFound);
    EXPECT_EQ(count, 0u);
    SiLabsHandle h = 3;
    EXPECT_NE(lib.open(0, h), SiLabsSuccess);
    EXPECT_EQ(h, 0u);
}

}  // namespace
}  // namespace tamberlo
