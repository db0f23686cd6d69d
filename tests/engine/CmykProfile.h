#pragma once

// A CMYK profile made with lcms2 for the tests of CMYK JPEGs: a version 4 output profile
// whose table from ink to Lab describes a press nothing like the naive inversion of the
// inks, so that a picture converted through it is told from one that is not.

#include <QByteArray>

#include <lcms2.h>

// The press the profile describes: each ink darkens its channel, but cyan also takes
// some green, magenta some blue, and the black ink is warm.
inline cmsInt32Number press(const cmsUInt16Number in[], cmsUInt16Number out[], void *toLab)
{
    const double c = in[0] / 65535.0, m = in[1] / 65535.0, y = in[2] / 65535.0, k = in[3] / 65535.0;
    const double rgb[3] = {(1 - c) * (1 - 0.7 * k), (1 - 0.8 * m) * (1 - 0.45 * c) * (1 - 0.85 * k),
                           (1 - 0.9 * y) * (1 - 0.3 * m) * (1 - 0.97 * k)};
    cmsCIELab lab;
    cmsDoTransform(static_cast<cmsHTRANSFORM>(toLab), rgb, &lab, 1);
    cmsFloat2LabEncoded(out, &lab);
    return TRUE;
}

inline QByteArray pressProfile()
{
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHPROFILE labProfile = cmsCreateLab4Profile(nullptr);
    cmsHTRANSFORM toLab =
        cmsCreateTransform(srgb, TYPE_RGB_DBL, labProfile, TYPE_Lab_DBL, INTENT_PERCEPTUAL, 0);
    cmsHPROFILE profile = cmsCreateProfilePlaceholder(nullptr);
    cmsSetProfileVersion(profile, 4.3);
    cmsSetDeviceClass(profile, cmsSigOutputClass);
    cmsSetColorSpace(profile, cmsSigCmykData);
    cmsSetPCS(profile, cmsSigLabData);
    // A version 4 table from ink to Lab: identity curves around a 9-point grid.
    cmsPipeline *lut = cmsPipelineAlloc(nullptr, 4, 3);
    cmsStage *table = cmsStageAllocCLut16bit(nullptr, 9, 4, 3, nullptr);
    cmsStageSampleCLut16bit(table, press, toLab, 0);
    cmsPipelineInsertStage(lut, cmsAT_END, cmsStageAllocToneCurves(nullptr, 4, nullptr));
    cmsPipelineInsertStage(lut, cmsAT_END, table);
    cmsPipelineInsertStage(lut, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));
    cmsWriteTag(profile, cmsSigAToB0Tag, lut);
    cmsWriteTag(profile, cmsSigMediaWhitePointTag, cmsD50_XYZ());
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray icc(qsizetype(size), '\0');
    cmsSaveProfileToMem(profile, icc.data(), &size);
    cmsPipelineFree(lut);
    for (cmsHPROFILE open : {profile, labProfile, srgb})
        cmsCloseProfile(open);
    cmsDeleteTransform(toLab);
    return icc;
}
