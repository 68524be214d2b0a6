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


for make in (inventory, drive_window, firmware, cpu_id, cpu_features, hdd_serial, storage, network, wide_text, wmi, registry_reader,
             display_registry, uninstall_split):
    make()
