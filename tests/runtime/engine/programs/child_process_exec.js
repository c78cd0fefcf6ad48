const { execSync } = require('child_process');
console.log(execSync('echo hello from shell').toString().trim());
console.log(execSync('printf "%s-%s" a b', { encoding: 'utf8' }));
try { execSync('exit 3', { stdio: 'pipe' }); } catch (e) { console.log('failed with', e.status); }
