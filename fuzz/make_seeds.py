#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora (fuzz/corpus/<name>/) from replies in their real formats:
CPUID answers of real processors, IDENTIFY and SCSI replies, storage descriptors, adapter records,
registry values and uninstall command lines, each laid out as the target reads its input."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def u16(v):
    return struct.pack("<H", v)


def u32(v):
    return struct.pack("<I", v & 0xFFFFFFFF)


def regs(eax=0, ebx=0, ecx=0, edx=0):
    return u32(eax) + u32(ebx) + u32(ecx) + u32(edx)


def text(s):
    b = s if isinstance(s, bytes) else s.encode("latin-1")
    return bytes([len(b)]) + b


def long_bytes(b):
    return u16(len(b)) + b


def brand_leaves(s):
    b = s.encode().ljust(48, b"\0")
    return [regs(*struct.unpack("<4I", b[i:i + 16])) for i in range(0, 48, 16)]


def vendor_leaf(highest, name):
    b = name.encode()
    return regs(highest, struct.unpack("<I", b[0:4])[0], struct.unpack("<I", b[8:12])[0], struct.unpack("<I", b[4:8])[0])


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def cpu_id():
    tail = regs(0x681, 0, 0, 0) + text("Pentium III") + b"\x01" + u32(500) + u32(512) + b"\x01"
    # Pentium III (Katmai): no extended brand leaves.
    p3 = (b"\x01" + u16(1000 + 500) + vendor_leaf(2, "GenuineIntel") + regs(0x672, 0, 0, 0x0387F9FF)
          + regs(0x03020101, 0, 0, 0x0C040843) + regs(0x80000000) + regs() + regs() + regs() + regs() + b"\x00")
    write("cpu_id", "pentium3", p3 + tail)
    # Core i5 with extended family/model fields and a brand string.
    i5 = (b"\x04" + u16(1000 + 3200) + vendor_leaf(0xD, "GenuineIntel") + regs(0x306A9, 0x02100800, 0x7FBAE3FF, 0xBFEBFBFF)
          + regs(0x76035A01, 0x00F0B0FF, 0, 0x00CA0000) + regs(0x80000008) + regs(0, 0, 1, 0x28100800)
          + b"".join(brand_leaves("Intel(R) Core(TM) i5-3470 CPU @ 3.20GHz")) + b"\x00")
    write("cpu_id", "core_i5", i5 + tail)
    # Ryzen: family 0x17 through the extended field.
    ryzen = (b"\x08" + u16(1000 + 3600) + vendor_leaf(0xD, "AuthenticAMD") + regs(0x800F82, 0x00100800, 0x7ED8320B, 0x178BFBFF)
             + regs() + regs(0x8000001F) + regs(0x800F82, 0x20000000, 0x35C233FF, 0x2FD3FBFF)
             + b"".join(brand_leaves("AMD Ryzen 7 2700X Eight-Core Processor")) + b"\x01" + regs(0x800F82, 0, 0, 0))
    write("cpu_id", "ryzen", ryzen + tail)


def cpu_features():
    lines = text("MMX extensions: Yes") + text("FDIV Bug: No") + text("no colon")
    write("cpu_features", "pentium3",
          regs(0x672, 0, 0, 0x0387F9FF) + regs() + b"\x00\x01\x00" + regs(0x80000000) + b"\x00"
          + regs(0x03020101, 0, 0, 0x0C040843) + lines)
    write("cpu_features", "athlon",
          regs(0x642, 0, 0, 0x0183F9FF) + regs(0x642, 0, 0, 0xC1C3F9FF) + b"\x01\x00\x01" + regs(0x80000004)
          + b"\x01" + regs(0x01, 0, 0, 0) + regs(0, 0, 0, 0))
    write("cpu_features", "leaf4_caches",
          regs(0x306A9, 0, 0, 0xBFEBFBFF) + regs() + b"\x00\x00\x00" + regs(0x80000008) + b"\x00"
          + regs(0x76035A01, 0x00F0B0FF, 0, 0x00CA0000))


def identify_reply(serial):
    data = bytearray(512)
    s = serial.encode().ljust(20)
    for i in range(0, 20, 2):
        data[20 + i], data[20 + i + 1] = s[i + 1], s[i]
    return bytes(16) + bytes(data)


def unit_serial_reply(pointer_bytes, serial):
    record = 44 if pointer_bytes == 4 else 56
    data_offset = record + 32
    page = bytes([0, 0x80, 0, len(serial)]) + serial.encode()
    return bytes(data_offset) + page.ljust(192, b"\0")


def storage_descriptor(vendor, product, serial):
    strings = b""
    offsets = []
    base = 40
    for s in (vendor, product, serial):
        if s is None:
            offsets.append(0)
            continue
        offsets.append(base + len(strings))
        strings += s.encode() + b"\0"
    size = base + len(strings)
    head = u32(1) + u32(size) + bytes([5, 0, 1, 0]) + u32(offsets[0]) + u32(offsets[1]) + u32(0) + u32(offsets[2])
    head += u32(11) + u32(0)  # bus type, raw properties length
    return head.ljust(base, b"\0") + strings


def device(reply, fails=False):
    return b"\x01" + (b"\x01" if fails else b"\x00") + long_bytes(reply)


def hdd_serial():
    ide = identify_reply("WD-WCAV12345678")
    write("hdd_serial", "ide_on_nt",
          long_bytes(ide) + b"\x01" + device(bytes(28) + ide) + b"\x00" + b"\x00" + b"\x00")
    write("hdd_serial", "scsi_page",
          long_bytes(unit_serial_reply(8, "  S1ZNNEAF123456")) + b"\x01" + device(b"", True) + b"\x00"
          + device(unit_serial_reply(8, "  S1ZNNEAF123456")) + b"\x00")
    write("hdd_serial", "descriptor_on_98",
          long_bytes(storage_descriptor("ATA", "Samsung SSD", "S1ZNNEAF")) + b"\x00" + b"\x00" + device(b"", True)
          + b"\x00" + device(storage_descriptor("ATA", "Samsung SSD", "  S1ZNNEAF  ")))


def storage():
    write("storage_descriptor", "vendor_product", b"\x00" + storage_descriptor("HL-DT-ST", "DVDRAM GH24NSB0", None))
    write("storage_descriptor", "product_only", b"\x01" + storage_descriptor(None, "VBOX CD-ROM", "VB2-01700376"))
    inquiry = bytes([5, 0x80, 5, 0x32, 31, 0, 0, 0]) + b"NECVMWarVMware SATA CD001.00"
    write("storage_descriptor", "inquiry", b"\x01" + inquiry)


def adapter(description, mac):
    return text(description) + mac.ljust(8, b"\0") + u32(len(mac))


def network():
    mac = bytes([0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E])
    # LANA_ENUM lists two adapters; the first answers zeros, the second its address.
    netbios = (text(mac)
               + bytes([3, 2, 0, 1]) + b"\x00"  # enum: 3 bytes written, count 2, lanas 0 and 1; code 0
               + b"\x00\x00"  # reset of lana 0
               + b"\x06" + bytes(6) + b"\x00"  # status of lana 0: zeros
               + b"\x00\x00"  # reset of lana 1
               + b"\x3c" + mac + bytes(54) + b"\x06"  # status of lana 1: buffer too small, the MAC is there
               + b"\x00" + u32(0) + b"\x00" + u32(0) + b"\x01" + adapter("Intel(R) PRO/1000 MT", mac))
    write("network", "netbios", netbios)
    # No NetBIOS (every command fails with code 3): the adapter list gives the MAC, the sizing call first.
    sizing = b"\x00" + u32(640) + b"\x00"
    listed = (text(b"") + b"\x00\x03" + b"\x00\x03" + b"\x00\x03"
              + sizing + b"\x00" + u32(640) + b"\x02" + adapter("Loopback", b"") + adapter("Realtek PCIe GbE   ", mac)
              + sizing + b"\x00" + u32(640) + b"\x01" + adapter("Realtek PCIe GbE", mac))
    write("network", "adapter_list", listed)


def wide_text():
    write("wide_text", "ascii", b"\x00" + "ATI RAGE 128".encode("utf-16-le") + b"\0\0")
    write("wide_text", "latin", b"\x00" + "Matrox Millénnium €".encode("utf-16-le") + b"\0\0")
    write("wide_text", "odd_no_end", b"\x01" + "S3 Trio".encode("utf-16-le")[:-1])
    write("wide_text", "device_map", b"\x00" + b"\\Registry\\Machine\\System\\CurrentControlSet\\Control\\Video\\{A}\\0000")


def wmi():
    write("wmi", "dell", b"\x00" + b"\x02" + text("Dell Inc.") + b"\x01" + text("") + b"\x02" + text("LENOVO"))
    write("wmi", "error_last", b"\x00" + b"\x02" + text("American Megatrends Inc.") + b"\x00" + text(""))
    write("wmi", "failed", b"\x01")


def registry_reader():
    write("registry_reader", "text", text("Identifier") + b"\x01" + u16(255) + b"x86 Family 6 Model 8 Stepping 3\0")
    write("registry_reader", "text_no_nul", text("ProductId") + b"\x02" + u16(255) + b"55274-640")
    write("registry_reader", "dword", text("VideoMemory") + b"\x04" + u16(4) + u32(0x800000))
    write("registry_reader", "multi_sz", text("VideoBiosVersion") + b"\x07" + u16(151) + b"ATI\0VER 1.0\0\0")
    write("registry_reader", "odd_type", text("") + b"\xff" + u32(0xFFFF0000) + u16(8) + b"\x01\x02\x03")


def display_registry():
    # A value's first byte: below 0x40 it is absent, from 0x40 on its type is the byte modulo 12.
    absent = b"\x00"

    def v(type_, data):
        return bytes([0x48 + type_]) + text(data)  # 0x48 % 12 == 0

    def caps(*values):
        return b"".join(u32(x) for x in values)

    empty_instance = absent + b"\x00"  # DriverDesc absent, no INFO key
    empty_class = absent + absent + empty_instance + empty_instance
    w98 = (b"\x00\x00" + caps(96, 1024, 768, 32, 1, 36, 36, 51)
           + v(1, b"Display\0") + v(1, b"0000\0")
           + v(1, b"S3 Trio64V+\0") + b"\x01" + v(1, b"8 bit\0") + v(1, b"S3 Trio\0") + v(1, b"3\0") + v(4, u32(4 << 20))
           + empty_instance
           + empty_class
           + b"\x00" + absent + absent
           + absent * 4
           + v(7, b"S3 BIOS 1.0\0\0") + v(1, b"01/01/97\0") + u32(0))
    write("display_registry", "windows98", w98)
    nt = (b"\x01\x00" + caps(96, 1920, 1080, 32, 1, 36, 36, 51)
          + v(1, b"Display\0") + absent
          + v(1, b"NVIDIA GeForce GTX 1060\0") + b"\x00"
          + empty_instance
          + v(1, b"3D Accelerators\0") + absent + v(1, b"Voodoo2\0") + b"\x00" + empty_instance
          + b"\x01"
          + v(3, "Integrated RAMDAC".encode("utf-16-le") + b"\0\0") + v(3, "GeForce GTX 1060".encode("utf-16-le") + b"\0\0")
          + v(3, u32(0)) + v(3, struct.pack("<Q", 6 << 30))
          + v(7, b"Version 86.6.0\0\0") + absent + u32(0))
    write("display_registry", "windows_nt", nt)


def uninstall_split():
    write("uninstall_split", "quoted", b"\x00" + b'"C:\\Program Files\\App\\uninst.exe" /S')
    line = b"C:\\Program Files\\App\\uninst.exe /S"
    write("uninstall_split", "unquoted_found", b"\x01" + bytes([len(b"C:\\Program Files\\App\\uninst.exe")]) + line)
    write("uninstall_split", "msiexec", b"\x01\x0b" + b"MsiExec.exe /X{6B1E3F3A-0F3C-4D5E-9A7B-1C2D3E4F5A6B}")
    write("uninstall_split", "blanks", b"\x00" + b" \t \"unterminated \t")


def drive_window():
    clusters = u32(8) + u32(512) + u32(3906250) + u32(1000000)
    details = (b"\xff" + clusters + b"\x03" + b"\xff" + clusters + b"\x01"
               + b"\xff" + u32(4096000000) + u32(0) + u32(0x2A05F200) + u32(0x3) + b"\xff" + text("SYSTEM")
               + u32(0x1A2B3C4D) + u32(255) + u32(0x000700FF) + text("NTFS") + b"\xff" + text(","))
    nt = (b"\x01" + b"\x00" + text(b"A:\\\0C:\\\0D:\\\0\0") + details + b"\x00\x00" + text("C:\\")
          + b"\x80" + text("\\\\server\\share") + b"\x01\x04")
    write("drive_window", "windows_nt", nt)
    w98 = (b"\x00" + b"\x01" + text("Z:") + text("\\\\server\\share") + text(b"A:\\\0Z:\\\0\0")
           + b"\x00" + b"\x01" + b"\x00" + b"\x01\x03" + details + b"\x01")
    write("drive_window", "windows98_share", w98)


def firmware():
    nt = (b"\x01" + bytes([0x48 + 1]) + text(b"AT/AT COMPATIBLE\0") + bytes([0x48 + 7])
          + text(b"DELL   - 1072009\0BIOS Date: 10/23/12\0\0") + bytes([0x48 + 1]) + text(b"10/23/12\0") + b"\x00")
    write("firmware", "windows_nt", nt)
    w98 = (b"\x00" + b"\x00\x00\x00" + b"\x01" + b"\x01" + text("Award Modular BIOS v4.51PG") + b"\x01"
           + text("07/15/98") + b"\x01" + text(b"Award Software, Inc.\xff") + b"\x00")
    write("firmware", "windows98_rom", w98)


def inventory():
    # The flag byte (redact), then per planted text a repeat byte and a sized piece, then the computer and
    # user names.
    places = 6
    plain = b"\x00" + b"".join(b"\x00" + text("Contoso <b>\"Tools\"</b> & 'Co'") for _ in range(places))
    write("inventory", "markup", plain + text("PLANTEDPC") + text("planteduser"))
    hostile = bytes(range(1, 32)) + bytes(range(0x7F, 0x100)) + b'"\\<>&'
    big = b"\x00" + b"".join(b"\xff" + text(hostile[:200]) for _ in range(places))
    write("inventory", "hostile_300k", big + text("PC\x80") + text("\x93user\x94"))
    redacted = b"\x01" + b"".join(b"\x00" + text("C:\\Users\\planteduser\\PLANTEDPC.exe") for _ in range(places))
    write("inventory", "redacted", redacted + text("PLANTEDPC") + text("planteduser"))


def smbios_structure(type_, handle, fields, strings=()):
    """One structure: header, formatted fields (bytes after the header), string set."""
    head = bytes([type_, 4 + len(fields)]) + u16(handle) + fields
    tail = b"".join(t.encode("latin-1") + b"\0" for t in strings) if strings else b"\0"
    return head + tail + b"\0"


def rsmb(major, minor, structures, length=None):
    table = b"".join(structures)
    return bytes([0, major, minor, 0]) + u32(len(table) if length is None else length) + table


def memory_device(handle, array, size, speed, type_, strings, ext_size=0, ext_speed=0, length=0x5C):
    f = bytearray(length - 4)

    def put(offset, value, width):
        f[offset - 4:offset - 4 + width] = value.to_bytes(width, "little")
    put(0x04, array, 2)
    put(0x08, 64, 2)
    put(0x0A, 64, 2)
    put(0x0C, size, 2)
    put(0x0E, 0x0D, 1)  # SODIMM
    put(0x10, 1, 1)
    put(0x11, 2, 1)
    put(0x12, type_, 1)
    put(0x15, speed, 2)
    put(0x17, 3, 1)
    put(0x18, 4, 1)
    put(0x1A, 5, 1)
    if length >= 0x20:
        put(0x1C, ext_size, 4)
    if length >= 0x22:
        put(0x20, speed, 2)
    if length >= 0x5C:
        put(0x54, ext_speed, 4)
        put(0x58, ext_speed, 4)
    return smbios_structure(17, handle, bytes(f), strings)


def smbios():
    bios = smbios_structure(0, 0, bytes([1, 2, 0x00, 0xF0, 3, 0xFF]) + bytes(8) + bytes([0x03, 0x0D, 1, 40, 0xFF, 0xFF]),
                            ["American Megatrends International, LLC.", "1.40", "03/15/2024"])
    uuid = bytes([0x44, 0x45, 0x4C, 0x4C, 0x42, 0x00, 0x10, 0x36, 0x80, 0x52, 0xB3, 0xC0, 0x4F, 0x4E, 0x44, 0x32])
    system = smbios_structure(1, 1, bytes([1, 2, 3, 4]) + uuid + bytes([6, 5, 6]),
                              ["LENOVO", "21HM000RUS", "ThinkPad X1 Carbon Gen 11", "PF4ABCDE", "LENOVO_MT_21HM", "ThinkPad"])
    board = smbios_structure(2, 2, bytes([1, 2, 3, 4, 0, 0x09, 0, 0x03, 0x00, 0x0A, 0]),
                             ["LENOVO", "21HM000RUS", "SDK0T76479 WIN", "L1HF2AB0123"])
    chassis = smbios_structure(3, 3, bytes([1, 0x0A, 2, 3, 0, 3, 3, 3, 2]) + bytes(4) + bytes([0, 0, 0, 0]),
                               ["LENOVO", "None", "PF4ABCDE"])
    array = smbios_structure(16, 0x10, bytes([3, 3, 3]) + u32(0x4000000) + u16(0xFFFE) + u16(2) + bytes(8))
    lpddr5 = memory_device(0x11, 0x10, 0x7FFF, 0xFFFF, 0x23, ["Controller0-ChannelA", "BANK 0", "Samsung", "00000000",
                                                              "K3LKCKC0BM-MGCP"], ext_size=32768, ext_speed=6400)
    empty = memory_device(0x12, 0x10, 0, 0, 0x02, ["Controller1-ChannelA", "BANK 0", "Unknown", "Unknown", "Unknown"])
    oem = smbios_structure(0xDD, 0x20, bytes([1, 2, 3]), ["Reference Code - CPU"])
    inactive = smbios_structure(126, 0x21, bytes(2))
    end = smbios_structure(127, 0xFEFF, b"")
    write("smbios", "laptop_3_5", rsmb(3, 5, [oem, bios, system, board, chassis, array, lpddr5, empty, inactive, end]))

    old_bios = smbios_structure(0, 0, bytes([1, 2, 0x00, 0xE0, 3, 0x0F]) + bytes(8), ["Award Software International, Inc.", "F8",
                                                                                      "08/03/2010"])
    old_system = smbios_structure(1, 1, bytes([1, 2, 0, 0]) + bytes(16) + bytes([6]), ["Gigabyte Technology Co., Ltd.", "GA-MA74GMT-S2"])
    ddr2 = memory_device(0x30, 0x2F, 1024, 800, 0x13, ["A2", "Bank2/3", "Kingston", "SerNum2", "99U5315-001.A00LF"], length=0x1B)
    old_array = smbios_structure(16, 0x2F, bytes([3, 3, 3]) + u32(0x800000) + u16(0xFFFE) + u16(4))
    # A 2.4 table that ends without End-of-Table, a handle used twice.
    write("smbios", "desktop_2_4_no_end", rsmb(2, 4, [old_bios, old_system, old_array, ddr2, ddr2]))
    # A table whose structures stop at a zero-length header, and a Length past the reply.
    damaged = rsmb(3, 1, [bios, system, bytes([0, 0, 0, 0]) + bytes(40)], length=4096)
    write("smbios", "damaged", damaged)


def edid_block(data):
    block = bytearray(data.ljust(127, b"\0"))
    block.append((256 - sum(block) % 256) % 256)
    return bytes(block)


def detailed_timing(clock, h_active, h_blank, v_active, v_blank, interlaced=False, width_mm=0, height_mm=0):
    return (u16(clock) + bytes([h_active & 0xFF, h_blank & 0xFF, (h_active >> 8) << 4 | (h_blank >> 8),
                                v_active & 0xFF, v_blank & 0xFF, (v_active >> 8) << 4 | (v_blank >> 8),
                                48, 32, 0x35, 0x00, width_mm & 0xFF, height_mm & 0xFF,
                                (width_mm >> 8) << 4 | (height_mm >> 8), 0, 0, 0x9A if interlaced else 0x1A]))


def display_descriptor(tag, text):
    field = (text.encode("latin-1") + b"\n").ljust(13, b" ")[:13]
    return bytes([0, 0, 0, tag, 0]) + field


def edid_base(maker, product, serial, week, year, width_cm, height_cm, descriptors, extensions):
    letters = [ord(c) - ord("A") + 1 for c in maker]
    packed = letters[0] << 10 | letters[1] << 5 | letters[2]
    head = (b"\x00\xff\xff\xff\xff\xff\xff\x00" + struct.pack(">H", packed) + u16(product) + u32(serial)
            + bytes([week, year - 1990, 1, 4, 0xB5, width_cm, height_cm, 0x78, 0x3A]) + bytes(10) + bytes(3) + bytes([1, 1] * 8))
    body = b"".join(d.ljust(18, b"\0") for d in descriptors)
    return edid_block(head + body + bytes(4 * 18 - len(body)) + bytes([extensions]))


def displayid_timing(clock, preferred, h_active, h_blank, v_active, v_blank):
    def word(v):
        return u16(v - 1)
    c = clock - 1
    return (bytes([c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0x84 if preferred else 0x04]) + word(h_active) + word(h_blank)
            + word(48) + word(32) + word(v_active) + word(v_blank) + word(3) + word(5))


def displayid_block(version, data_blocks):
    section = b"".join(bytes([tag, 0, len(payload)]) + payload for tag, payload in data_blocks)
    return edid_block(bytes([0x70, version, len(section), 0, 0]) + section)


def edid():
    dtd_4k = detailed_timing(53325, 3840, 160, 2160, 62, width_mm=600, height_mm=340)
    monitor = edid_base("DEL", 0x4147, 808661324, 32, 2020, 70, 39,
                        [dtd_4k, display_descriptor(0xFF, "D2HP8084031L"), display_descriptor(0xFC, "DELL UP3218K"),
                         display_descriptor(0xFD, "")], 1)
    cta = edid_block(bytes([0x02, 3, 4 + 5, 0xF1, 0x44, 0x10, 0x1F, 0x04, 0x13]) + detailed_timing(26275, 3840, 160, 2160, 62)
                     + detailed_timing(24150, 2560, 160, 1440, 41))
    write("edid", "monitor_cta", monitor + cta)
    panel = edid_base("AUO", 0x8E9D, 0, 45, 2021, 34, 22, [display_descriptor(0x10, ""), display_descriptor(0xFE, "AUO"),
                                                           display_descriptor(0xFE, "B160QAN02.S"), display_descriptor(0x10, "")], 2)
    did1 = displayid_block(0x12, [(0x00, b"AUO" + u16(0x8E9D) + u32(0) + bytes([45, 21, 11]) + b"B160QAN02.S"),
                                  (0x03, displayid_timing(26400, False, 2560, 160, 1600, 46)
                                   + displayid_timing(52800, True, 2560, 160, 1600, 46))])
    did2 = displayid_block(0x20, [(0x22, displayid_timing(522610, True, 3840, 160, 2160, 62))])
    write("edid", "panel_displayid", panel + did1 + did2)
    tv = edid_base("SAM", 0x01F5, 0x01010101, 0xFF, 2005, 0, 0,
                   [detailed_timing(7425, 1920, 280, 540, 22, interlaced=True), display_descriptor(0xFC, "Apple Cinema "[:13]),
                    display_descriptor(0xFC, "HD Display"), display_descriptor(0xFD, "")], 1)
    write("edid", "tv_interlaced", tv + edid_block(bytes([0x02, 3, 0])))


def machine_replies():
    write("machine_replies", "nvme_descriptor", storage_descriptor("NVMe", "Samsung SSD 980 PRO 1TB", "0025_3852_11B1_2A4C."))
    sata = bytearray(storage_descriptor("ATA", "ST2000DM008-2FR1", "            ZFL4ABCD"))
    sata[28:32] = u32(0x0B)
    write("machine_replies", "sata_descriptor", bytes(sata))
    write("machine_replies", "seek_penalty", u32(12) + u32(12) + b"\x01\x00\x00\x00")
    write("machine_replies", "disk_geometry", struct.pack("<qIIII", 243201, 12, 255, 63, 512) + struct.pack("<q", 2000398934016) + b"\0" * 8)
    write("machine_replies", "battery_information",
          u32(0x80000000) + bytes([1, 0, 0, 0]) + b"LION" + u32(57000) + u32(45885) + u32(5700) + u32(2850) + u32(0) + u32(312))
    # GetLogicalProcessorInformationEx in a 64-bit process: a performance core with two threads, an
    # efficiency core, an L1 data cache and a package.
    def core(efficiency, mask):
        return u32(0) + u32(48) + bytes([1, efficiency]) + b"\0" * 20 + u16(1) + struct.pack("<Q", mask) + b"\0" * 8
    cache = u32(2) + u32(56) + bytes([1, 12]) + u16(64) + u32(48 * 1024) + u32(2) + b"\0" * 20 + struct.pack("<Q", 3) + b"\0" * 8
    package = u32(3) + u32(48) + b"\0" * 22 + u16(1) + struct.pack("<Q", 7) + b"\0" * 8
    write("machine_replies", "processor_records", core(1, 3) + core(0, 4) + cache + package)
    write("machine_replies", "system_battery_state", bytes([1, 1, 1, 0, 0, 0, 0, 0]) + u32(48000) + u32(31000) + u32(0) + u32(0xFFFFFFFF) + u32(0) + u32(0))


for make in (drive_window, firmware, cpu_id, cpu_features, hdd_serial, storage, network, wide_text, wmi, registry_reader,
             display_registry, uninstall_split, smbios, edid, machine_replies, inventory):
    make()
