#include "editing/WriteNewPlant.h"

NewPlantResult WriteNewPlant(const FormSnapshot& form, const QLocale& locale, Language language,
                             RecordForm recordForm) {
    NewPlantResult result;
    PlantReading reading =
        readPlantForm(form, form.shown ? &*form.shown : nullptr, locale, language, recordForm);
    if (!reading.unread.isEmpty()) {
        result.error = reading.unread.first().error;
        return result;
    }
    result.plant = reading.plant;
    result.ok = true;
    return result;
}
