#include "editing/WriteNewPlant.h"

NewPlantResult WriteNewPlant(const FormSnapshot& form, const QLocale& locale, Language language) {
    NewPlantResult result;
    PlantReading reading =
        readPlantForm(form, form.shown ? &*form.shown : nullptr, locale, language);
    if (!reading.unread.isEmpty()) {
        result.error = reading.unread.first().error;
        return result;
    }
    result.plant = reading.plant;
    result.ok = true;
    return result;
}
