const semver = require('semver');
const versions = ['1.2.3', '1.10.0', '0.9.1', '2.0.0-beta.1', '1.2.10'];
console.log(versions.sort(semver.compare), semver.maxSatisfying(versions, '^1.2.0'), semver.valid('x.y'), semver.inc('1.2.3', 'minor'));
console.log(semver.satisfies('1.5.0', '>=1.2 <2'), semver.coerce('v3.4').version, semver.major('4.5.6'), semver.gt('1.0.0', '0.9.9'));
