#!/usr/bin/env python3
"""What wixl (msitools 0.101) leaves out of the package it makes of a WiX source, as msibuild
queries that put it in, taken from the same source so that the package does what the source says.

- Texts: wixl writes its database in code page 0 and drops every text that code page cannot
  hold (product name, the Programs folder "ミレル", the shortcuts' name and description, the list
  entry's display name). The queries give the database code page 932 first, then set those texts.
- Self-registration: wixl ignores a File's SelfRegCost and writes no SelfReg table, nor the
  actions that call DllRegisterServer and DllUnregisterServer.

    msi-fixups.py Mirel.wxs   prints the queries, one a line, for msibuild -q
"""
import sys
import xml.etree.ElementTree as ET

NS = '{http://schemas.microsoft.com/wix/2006/wi}'
CODEPAGE = 932
# Their places in Windows Installer's standard sequence.
SELF_UNREG_SEQUENCE = 2200
SELF_REG_SEQUENCE = 5600


def quoted(text):
    return "'" + text.replace("'", "''") + "'"


def non_ascii(text):
    return text is not None and any(ord(c) > 127 for c in text)


def text_queries(root):
    for product in root.iter(NS + 'Product'):
        if non_ascii(product.get('Name')):
            yield "UPDATE `Property` SET `Value`=%s WHERE `Property`='ProductName'" % quoted(product.get('Name'))
    for directory in root.iter(NS + 'Directory'):
        if non_ascii(directory.get('Name')):
            yield "UPDATE `Directory` SET `DefaultDir`=%s WHERE `Directory`=%s" % (
                quoted(directory.get('Name')), quoted(directory.get('Id')))
    for shortcut in root.iter(NS + 'Shortcut'):
        for attribute in ('Name', 'Description'):
            if non_ascii(shortcut.get(attribute)):
                yield "UPDATE `Shortcut` SET `%s`=%s WHERE `Shortcut`=%s" % (
                    attribute, quoted(shortcut.get(attribute)), quoted(shortcut.get('Id')))
    for value in root.iter(NS + 'RegistryValue'):
        if non_ascii(value.get('Value')):
            # wixl names registry rows by a hash; the source names each value once.
            yield "UPDATE `Registry` SET `Value`=%s WHERE `Name`=%s" % (
                quoted(value.get('Value')), quoted(value.get('Name')))


def self_registration_queries(root):
    files = [f for f in root.iter(NS + 'File') if f.get('SelfRegCost') is not None]
    if not files:
        return
    yield "CREATE TABLE `SelfReg` (`File_` CHAR(72) NOT NULL, `Cost` SHORT PRIMARY KEY `File_`)"
    for f in files:
        yield "INSERT INTO `SelfReg` (`File_`, `Cost`) VALUES (%s, %d)" % (
            quoted(f.get('Id')), int(f.get('SelfRegCost')))
    yield ("INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('SelfUnregModules', %d)"
           % SELF_UNREG_SEQUENCE)
    yield ("INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('SelfRegModules', %d)"
           % SELF_REG_SEQUENCE)


if __name__ == '__main__':
    root = ET.parse(sys.argv[1]).getroot()
    for query in list(text_queries(root)) + list(self_registration_queries(root)):
        print(query)
