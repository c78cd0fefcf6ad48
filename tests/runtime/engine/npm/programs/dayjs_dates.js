const dayjs = require('dayjs');
const d = dayjs('2024-02-28T10:00:00Z');
console.log(d.add(1, 'day').format('YYYY-MM-DD'), d.subtract(2, 'month').month(), d.isBefore(dayjs('2025-01-01')));
console.log(dayjs('2020-01-01').diff(dayjs('2019-01-01'), 'day'), d.startOf('year').format('YYYY-MM-DD'), dayjs(0).valueOf());
