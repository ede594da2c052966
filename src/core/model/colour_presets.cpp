#include "model/colour_presets.h"

#include "model/rooster2_doc.h"

void ApplyColourPreset(CRooster2Doc& doc, ColourPreset preset) {
    if (preset == ColourPreset::AcrossLite) {
        doc.m_colorAchtergrond = Rgb(192, 192, 192);
        doc.m_colorNiet = Rgb(255, 255, 255);
        doc.m_colorVrij = Rgb(255, 255, 255);
        doc.m_colorWoord = Rgb(192, 192, 192);
        doc.m_colorWoordPos = Rgb(255, 0, 0);
        doc.m_colorZwart = Rgb(0, 0, 0);
    } else {
        doc.m_colorAchtergrond = Rgb(255, 255, 255);
        doc.m_colorNiet = Rgb(255, 255, 255);
        doc.m_colorVrij = Rgb(255, 255, 255);
        doc.m_colorWoord = Rgb(232, 232, 232);
        doc.m_colorWoordPos = Rgb(215, 215, 215);
        doc.m_colorZwart = Rgb(132, 148, 180);
    }
}
